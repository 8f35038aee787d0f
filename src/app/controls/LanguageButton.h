#pragma once

#include <QToolButton>

// The head bar's choice of the interface language: the system's, English or Korean. The
// choice is remembered; the texts change when the program starts again, since every window
// sets its texts once.
class LanguageButton : public QToolButton
{
    Q_OBJECT
public:
    explicit LanguageButton(QWidget *parent = nullptr);

signals:
    // The remembered choice changed and the language shown will differ at the next start.
    void languageChanged(const QString &language);

private:
    void choose(const QString &language);
    void updateChecks();
    QList<QAction *> m_choices;
};
