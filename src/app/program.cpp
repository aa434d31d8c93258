#include "app/program.h"

#include "datastore/passes.h"
#include "datastore/store_error.h"
#include "progress/frm_progress.h"
#include "quant/frm_quant.h"
#include "review/frm_explain.h"
#include "shell/frm_directions.h"
#include "shell/frm_summary.h"
#include "startup/data_folder.h"
#include "ui/access.h"
#include "verbal/frm_verbal.h"

#include <QDir>

namespace kaven::app {

ui::Message alreadyOpenMessage()
{
    return {QStringLiteral("The practice tests are already open in another window."),
            session::programTitle(), ui::Buttons::Ok, ui::Icon::Information};
}

Program::Program(const QString& folder, session::Seams seams)
    : context_{folder, state_, seams, navigator_},
      lock_(startup::lockPath(folder))
{
    // The lock lives as long as the program runs; a copy that crashed leaves a lock whose
    // process is gone, which QLockFile recognises and takes over.
    lock_.setStaleLockTime(0);
    // Every screen, and every message box over one, shows where the keyboard acts.
    ui::installFocusStyle();
    navigator_.setFailureHandler([this](const std::exception& error) { reportFailure(error); });
    registerScreens();
}

Program::~Program() = default;

void Program::registerScreens()
{
    navigator_.setFactory(ui::ScreenId::Summary, [this] {
        return std::make_unique<shell::frm_summary>(context_);
    });
    navigator_.setFactory(ui::ScreenId::Directions, [this] {
        return std::make_unique<shell::frmDirections>(context_);
    });
    navigator_.setFactory(ui::ScreenId::Quant, [this] {
        return std::make_unique<quant::frm_quant>(context_);
    });
    navigator_.setFactory(ui::ScreenId::Verbal, [this] {
        return std::make_unique<verbal::frm_verbal>(context_);
    });
    navigator_.setFactory(ui::ScreenId::Explain, [this] {
        return std::make_unique<review::frm_Explain>(context_);
    });
    navigator_.setFactory(ui::ScreenId::Progress, [this] {
        return std::make_unique<progress::frm_progress>(context_);
    });
}

bool Program::start()
{
    if (!lock_.tryLock(0)) {
        // Only a lock held by a running copy means another window; a folder where the lock
        // cannot be made at all cannot keep the answers either.
        if (lock_.error() == QLockFile::LockFailedError)
            context_.dialogs().ask(alreadyOpenMessage(), nullptr);
        else
            context_.dialogs().ask({QStringLiteral("The data folder %1 cannot be written, so the practice "
                                                   "tests cannot keep your answers there.")
                                        .arg(QDir::toNativeSeparators(context_.folder)),
                                    session::programTitle(), ui::Buttons::Ok, ui::Icon::Critical},
                                   nullptr);
        context_.endProgram(1);
        return false;
    }
    navigator_.guard([this] {
        {
            const store::BusyScope busy(context_.busy());
            store::decript_codetext(context_.folder, context_.busy());
        }
        navigator_.open(ui::ScreenId::Summary);
    });
    return !context_.seams.end.ended();
}

void Program::reportFailure(const std::exception& error)
{
    const auto* storeError = dynamic_cast<const store::StoreError*>(&error);
    const QString text = storeError ? storeError->message() : QString::fromLocal8Bit(error.what());
    context_.dialogs().ask({text, session::programTitle(), ui::Buttons::Ok, ui::Icon::Critical}, nullptr);
    context_.endProgram(1);
}

} // namespace kaven::app
