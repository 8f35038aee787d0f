#include "app/settings/CarNumberField.h"

#include "core/settings/ValueChecks.h"

CarNumberField::CarNumberField(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::editingFinished, this, &CarNumberField::textDidEndEditing);
}

void CarNumberField::textDidEndEditing()
{
    const QString kept = filteredCarNumber(text());
    if (kept != text())
        setText(kept);
}
