#pragma once

#include <QLineEdit>

// The car number field: when editing ends, only ASCII letters and digits are kept, at most 8.
class CarNumberField : public QLineEdit
{
    Q_OBJECT
public:
    explicit CarNumberField(QWidget *parent = nullptr);

    // Filters the text as the end of editing does.
    void textDidEndEditing();
};
