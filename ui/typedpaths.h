// Paths typed into the windows' path fields. A user on the host types host
// paths, while the jobs and their scripts work in DOS paths: a typed host
// path is turned into its DOS form by the rule that takes the command line's
// argument (platform::DosFormOfArgument), when its field is left and before a
// job reads the field. A DOS path, and a host path that no drive maps, stay
// as typed; the field's own check then judges them.
#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace velmora::ui {

// The DOS form of TYPED: a host path, absolute or relative to the current
// folder, through the drive table; anything else, and text of blanks only,
// as it stands.
QString DosFormOfTypedPath(const QString& typed);

// Sets FIELD to the DOS form of its text, when that differs.
void TurnIntoDosForm(QLineEdit& field);

// Turns every line of MEMO into its DOS form, keeping the lines as they are
// otherwise (their count, empty lines, a closing line break).
void TurnLinesIntoDosForm(QPlainTextEdit& memo);

} // namespace velmora::ui
