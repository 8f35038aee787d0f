#include "toolmain.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    return runToolLine(QCoreApplication::arguments().mid(1));
}
