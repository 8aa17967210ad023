#pragma once
// The SCORM 1.2 editor on its own, shown and active, with a program folder and scripted dialogs.

#include "../frame/framefixture.h"

#include "editor12/frmoptions.h"

#include <QComboBox>

namespace ts::test {

class EditorTest : public EditorWindowTest<FrmOptions, frmOptions> {
protected:
    // Moves the focus to another control, as a click on it does, and lets the field rules run.
    void moveFocusTo(QWidget *to)
    {
        to->setFocus(Qt::MouseFocusReason);
        processEvents();
    }

    // Picks an item from the combo's open list with the mouse.
    void pick(QComboBox *combo, int index) { pickItem(combo, index); }

    // Puts a text into a field as the program does.
    void set(const QString &field, const QString &text)
    {
        frmMain().dontValidate = true;
        win->setFieldText(field, text);
        frmMain().dontValidate = false;
    }
};

} // namespace ts::test
