#include "app/settings/TVKCarNumberTextField.h"

#include "core/settings/TVKValidator.h"

TVKCarNumberTextField::TVKCarNumberTextField(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::editingFinished, this, &TVKCarNumberTextField::textDidEndEditing);
}

void TVKCarNumberTextField::textDidEndEditing()
{
    const QString kept = filteredCarNumber(text());
    if (kept != text())
        setText(kept);
}
