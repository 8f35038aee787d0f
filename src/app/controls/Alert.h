#pragma once

#include <QString>

#include <functional>

class QWidget;

// The application's one alert: a single "OK" button, a short title as its message text and a
// looked-up message as its informative text, shown as a sheet (window-modal) on a window.
// `onDismiss` runs once the user has dismissed it. Returns at once.
void showAlertSheet(QWidget *window, const QString &messageText, const QString &informativeText,
                    std::function<void()> onDismiss = {});
inline void showAlert(QWidget *window, const QString &messageText, const QString &informativeText)
{
    showAlertSheet(window, messageText, informativeText);
}
