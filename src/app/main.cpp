#include "datastore/passes.h"
#include "datastore/store_error.h"
#include "ui/cursor_busy_pointer.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAVEN Test Series"));

    const QString folder = QCoreApplication::applicationDirPath();
    kaven::ui::CursorBusyPointer busy;
    try {
        const kaven::store::BusyScope scope(busy);
        kaven::store::decript_codetext(folder, busy);
    } catch (const kaven::store::StoreError& error) {
        QMessageBox::critical(nullptr, QStringLiteral("KAVEN Test Series"), error.message());
        return 1;
    }

    // The test summary screen takes this place.
    QLabel summary(QStringLiteral("The practice tests are ready."));
    summary.setWindowTitle(QStringLiteral("KAVEN Test Series"));
    summary.setAlignment(Qt::AlignCenter);
    summary.resize(640, 400);
    summary.show();
    return app.exec();
}
