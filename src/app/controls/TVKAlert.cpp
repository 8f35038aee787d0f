#include "app/controls/TVKAlert.h"

#include <QMessageBox>
#include <QPushButton>

void showAlertSheet(QWidget *window, const QString &messageText, const QString &informativeText,
                    std::function<void()> onDismiss)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, messageText, messageText,
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
