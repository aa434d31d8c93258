#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAVEN Test Series"));

    // The test summary screen takes this place.
    QLabel summary(QStringLiteral("The practice tests are ready."));
    summary.setWindowTitle(QStringLiteral("KAVEN Test Series"));
    summary.setAlignment(Qt::AlignCenter);
    summary.resize(640, 400);
    summary.show();
    return app.exec();
}
