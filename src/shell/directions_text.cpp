#include "shell/directions_text.h"

namespace kaven::shell {

QString directionsText()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString tab = QStringLiteral("\t");
    // The table names the Verbal section first although a test starts with the
    // Quantitative one; candidates know the text in this form.
    return crlf + QStringLiteral("GENERAL DIRECTIONS") + crlf + crlf
        + QStringLiteral("The Zentor Test comprises 2 sections ") + crlf + crlf + tab + tab
        + QStringLiteral("No. of Questions            Time Allotted ") + crlf + crlf
        + QStringLiteral("VERBAL                   41                                  75 Minutes")
        + crlf + crlf
        + QStringLiteral("QUANTITATIVE           37                                  75 Minutes")
        + crlf + crlf
        + QStringLiteral("You must answer every question - skipping a question is not possible. "
                         "Each question has several options, one of which is the correct answer. ")
        + crlf + crlf + QStringLiteral("Procedure for answering : ") + crlf + crlf
        + QStringLiteral("1. Indicate the answer you think is correct by clicking on the option. "
                         "You can change your answer by clicking on another option.")
        + crlf
        + QStringLiteral("2. Click on the 'Next' Button on the bottom right of the screen.") + crlf
        + QStringLiteral("3. If you so wish, you can still change your answer.") + crlf
        + QStringLiteral("4. Once you have decided on an answer, click 'Confirm'. The next question "
                         "will be displayed, and you cannot view the previous question.")
        + crlf + crlf + QStringLiteral("The other buttons on your test screen :") + crlf + tab
        + QStringLiteral("Exit                To quit the test") + crlf + tab
        + QStringLiteral("End Section   To quit the section you are working on") + crlf + tab
        + QStringLiteral("Pause            To pause the test and resume it later") + crlf + tab
        + QStringLiteral("Timer             To Display/Hide the Timer at the top of the screen ")
        + crlf + tab
        + QStringLiteral("Help               To Display the Directions for each of the sections")
        + crlf + crlf + QStringLiteral("Your timing would begin the moment you exit this screen. ");
}

} // namespace kaven::shell
