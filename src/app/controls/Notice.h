#pragma once

#include <QString>

#include <functional>

class QWidget;

// The application's alert (see Alert.h) for news that is no warning, such as a file that
// was written: the information icon and the program's name as window title.
void showNoticeSheet(QWidget *window, const QString &messageText, const QString &informativeText,
                     std::function<void()> onDismiss = {});
