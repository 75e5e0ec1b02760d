// SPDX-License-Identifier: MIT
#pragma once

namespace kobaru {

// Outside a login session (a root shell, a container, a plain ssh) XDG_RUNTIME_DIR is unset, and
// Qt warns about it on every look into the runtime directory, the first while it chooses its
// platform plugin. Called before the application object exists, this makes the directory Qt would
// fall back to (runtime-USER in the temporary folder, private to the user) and names it in
// XDG_RUNTIME_DIR, so Qt uses it without a word. Where that directory cannot be had safely (taken
// by another user, not a directory, open to others) the variable stays unset and Qt's own warning
// says what is wrong.
void provideRuntimeDirectory();

}  // namespace kobaru
