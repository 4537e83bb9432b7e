#pragma once

#include <QString>

class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QWidget;

namespace zelt {

// OK and Cancel for a dialog, wired to its accept() and reject(). The box and both buttons carry
// object names ("buttons", "okButton", "cancelButton") for the tests to find them by.
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);

// A check box with its caption and object name.
QCheckBox* MakeCheck(QWidget* parent, const char* caption, const QString& objectName);

} // namespace zelt
