#pragma once
class QDialog;
class QHBoxLayout;
class QString;

// The button row at the foot of the program's dialogs, left to right: the
// accepting button (the default, named "ok"), Cancel ("cancel") and, when
// the dialog has a help page, Help ("help"), which opens that page. The
// buttons call the dialog's accept() and reject(), so range checks there apply.
QHBoxLayout* dialogButtons(QDialog* dialog, const QString& okText, const QString& cancelText,
                           int helpContext = -1);
