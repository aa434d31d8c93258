#include "quant/frm_quant.h"
#include "screens.h"
#include "verbal/frm_verbal.h"

#include <QAccessible>
#include <QButtonGroup>

using kaven::ui::ScreenId;

namespace {

// On a section screen of test 1: the row's clicks ("end" is End Section, answered Yes), then
// its key (with its modifiers) to the control with the focus, as a real key goes, and again
// while any message box is open. `text` names the screen's answer labels.
template <class S> void keyOn(ScreenId id, const char* text, const char* endSection)
{
    QFETCH(QString, clicks);
    QFETCH(int, key);
    QFETCH(int, chosen);
    SectionRun<S> s;
    banks::Quant().write(s.data.path(), Form::Store);
    banks::Verbal().write(s.data.path(), Form::Store);
    s.data.setStore(FileId::tesgiv, tesgivWith({false, false, false, false, false}));
    s.open(id, 1);
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    s.ticks(1);
    QCOMPARE(name(s.ctl("lab_timer")), "Time left 01:14:59");
    const auto press = [&s, key = QKeyCombination::fromCombined(key)] {
        QTest::keyClick(s.screen->focusWidget() ? s.screen->focusWidget() : s.screen.data(), key.key(), key.keyboardModifiers());
    };
    s.dialogs().whileOpen = [&press](const kaven::ui::Message&) { press(); };
    s.dialogs().answers = {kaven::ui::Answer::Yes};
    for (const QString& name : clicks.split(' ', Qt::SkipEmptyParts))
        click(s.screen, name == "end" ? endSection : qPrintable(name));
    if (!clicks.contains("cmdpause"))
        press();
    QButtonGroup* options = s.template ctl<QAbstractButton>("Option1")->group();
    QCOMPARE(options->checkedId(), chosen ? chosen : -1);
    QCOMPARE(int(s.screen->section().manswer), chosen);
    QCOMPARE(s.ctl("cmdnext")->isEnabled(), chosen != 0);
    QCOMPARE(s.data.template load<FileId::userprof>(Form::Working).size(), clicks.count("cmdConfirm")); // no key confirms
    if (!chosen)
        return;
    // As a click on it: Next to press (again), Confirm not yet; read by letter and answer.
    QVERIFY(!s.ctl("cmdConfirm")->isEnabled() && s.screen->focusWidget() == options->button(chosen));
    const QString answer = s.ctl(qPrintable(text + QString::number(chosen)))->property("text").toString();
    QCOMPARE(name(options->button(chosen)), QStringLiteral("(%1) %2").arg(QChar(u'A' + chosen - 1)).arg(answer));
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void keysChooseAnswers_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("chosen");
        for (const bool quant : {true, false}) {
            const auto row = [quant](const char* what, const char* clicks, QKeyCombination key, int chosen) {
                QTest::addRow("%s: %s", quant ? "quant" : "verbal", what) << QString(clicks) << key.toCombined() << chosen;
            };
            row("B", "CMD_PROCEED", Qt::Key_B, 2);
            row("4", "CMD_PROCEED", Qt::Key_4, 4);
            row("keypad 5", "CMD_PROCEED", Qt::Key_5 | Qt::KeypadModifier, 5);
            row("C after Next chooses, never confirms", "CMD_PROCEED Option1 cmdnext", Qt::Key_C, 3);
            row("E on the next question", "CMD_PROCEED Option1 cmdnext cmdConfirm", Qt::Key_E, 5);
            row("Ctrl+A", "CMD_PROCEED", Qt::Key_A | Qt::ControlModifier, 0);
            row("F", "CMD_PROCEED", Qt::Key_F, 0);
            row("on the directions", "", Qt::Key_A, 0);
            row("during Help", "CMD_PROCEED cmdhelp", Qt::Key_A, 0);
            row("while a message box is open", "CMD_PROCEED cmdpause", Qt::Key_A, 0);
            row("in End Section's question and after it", "CMD_PROCEED end", Qt::Key_A, 0);
        }
    }
    void keysChooseAnswers()
    {
        if (QByteArray(QTest::currentDataTag()).startsWith("quant"))
            keyOn<kaven::quant::frm_quant>(ScreenId::Quant, "rtfopt", "cmdexitsection");
        else
            keyOn<kaven::verbal::frm_verbal>(ScreenId::Verbal, "txtoption", "cmdendsection");
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
