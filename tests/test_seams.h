#pragma once

// The program with scripted message boxes on a temporary data folder.

#include "app/program.h"
#include "datastore/data_files.h"
#include "datastore/file_io.h"
#include "test_files.h"

#include <QSet>
#include <QTemporaryDir>

#include <deque>
#include <functional>

class ScriptedDialogs final : public kaven::ui::Dialogs {
public:
    // Answers to the Yes/No questions in turn; a question with none left gets No.
    std::deque<kaven::ui::Answer> answers;
    QList<kaven::ui::Message> asked;
    // Runs while a box is open, before its answer is given: ticks that arrive meanwhile.
    std::function<void(const kaven::ui::Message&)> whileOpen;

    kaven::ui::Answer ask(const kaven::ui::Message& message, QWidget*) override
    {
        asked.append(message);
        if (whileOpen)
            whileOpen(message);
        // An OK box has one answer; the scripted answers are for the questions.
        if (message.buttons == kaven::ui::Buttons::Ok)
            return kaven::ui::Answer::Ok;
        if (answers.empty())
            return kaven::ui::Answer::No;
        const kaven::ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A data folder of store files; files not given are empty.
class DataFolder {
public:
    DataFolder()
    {
        for (const kaven::store::FileId id : kaven::store::visitingOrder)
            setStore(id, {});
    }

    QString path() const { return dir_.path(); }
    QString file(kaven::store::FileId id, kaven::store::Form form) const
    {
        return kaven::store::dataPath(path(), id, form);
    }
    void setStore(kaven::store::FileId id, const QByteArray& bytes)
    {
        put(file(id, kaven::store::Form::Store), bytes);
    }
    void setWorking(kaven::store::FileId id, const QByteArray& bytes)
    {
        put(file(id, kaven::store::Form::Working), bytes);
    }
    QByteArray store(kaven::store::FileId id) const
    {
        return contentOf(file(id, kaven::store::Form::Store));
    }
    QByteArray working(kaven::store::FileId id) const
    {
        return contentOf(file(id, kaven::store::Form::Working));
    }

private:
    QTemporaryDir dir_;
};

// The program with test doubles for every seam, on a data folder of its own.
struct TestProgram {
    ScriptedDialogs dialogs;
    kaven::ui::SystemClock clock;
    kaven::ui::StandardRandom random;
    kaven::store::NoBusyPointer busy;
    kaven::ui::ProgramEnd end{false};
    kaven::app::Program program;

    explicit TestProgram(const QString& folder)
        : program(folder, {dialogs, clock, random, busy, end})
    {
    }

    template <class S> S* screen(kaven::ui::ScreenId id)
    {
        return program.screens().loadedAs<S>(id);
    }
};

// A control of a screen by its name; a missing one stops the test.
template <class W = QWidget> W* child(QWidget* screen, const char* name)
{
    W* widget = screen->findChild<W*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// A tests-given file with the given taken flags for tests 1, 2, ...
inline QByteArray tesgivWith(std::initializer_list<bool> taken)
{
    QByteArray bytes;
    int test = 0;
    for (const bool flag : taken)
        bytes += QByteArray::number(++test) + (flag ? ",#TRUE#,#FALSE#\r\n" : ",#FALSE#,#FALSE#\r\n");
    return bytes;
}

// A store file of the folder, read as the program reads it.
template <kaven::store::FileId id>
kaven::store::RecordBuffer<kaven::store::RecordFor<id>> stored(const DataFolder& data)
{
    kaven::store::RecordBuffer<kaven::store::RecordFor<id>> buffer;
    kaven::store::loadFile(data.file(id, kaven::store::Form::Store), buffer);
    return buffer;
}

// The ids a stored bank marks used.
template <kaven::store::FileId id> QSet<QString> usedIn(const DataFolder& data)
{
    QSet<QString> used;
    const auto bank = stored<id>(data);
    for (const auto& q : bank.records())
        if (q.used)
            used << q.q_id;
    return used;
}
