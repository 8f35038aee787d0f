#include "app/controls/Alert.h"

#include "app/controls/Notice.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

void showSheet(QMessageBox::Icon icon, QWidget *window, const QString &messageText,
               const QString &informativeText, std::function<void()> onDismiss)
{
    // The window title names the program whatever the message: a bare or cut title told
    // the user nothing.
    auto *alert = new QMessageBox(icon, QGuiApplication::applicationDisplayName(), messageText,
                                  QMessageBox::NoButton, window);
    alert->setObjectName(QStringLiteral("alertSheet"));
    alert->setInformativeText(informativeText);
    alert->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(alert, &QMessageBox::finished, alert, [onDismiss = std::move(onDismiss)] {
        if (onDismiss)
            onDismiss();
    });
    alert->open();
}

} // namespace

void showAlertSheet(QWidget *window, const QString &messageText, const QString &informativeText,
                    std::function<void()> onDismiss)
{
    showSheet(QMessageBox::Warning, window, messageText, informativeText, std::move(onDismiss));
}

void showNoticeSheet(QWidget *window, const QString &messageText, const QString &informativeText,
                     std::function<void()> onDismiss)
{
    showSheet(QMessageBox::Information, window, messageText, informativeText, std::move(onDismiss));
}
