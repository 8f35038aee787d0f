#include "common/strings.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tvk::initApplicationIdentity();
    tvk::installStringTable();
    QLabel label(QStringLiteral("Tavik Viewer"));
    label.show();
    return app.exec();
}
