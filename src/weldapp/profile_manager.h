// profile_manager: choosing a profile in the desktop's profile manager. The
// older manager "PROFILE" and the newer "ProfDesk" are started from the
// program directory; the newer one is used when the profile input has
// switched it on and it is installed, and only it receives the preset
// profile and the type filter that the profile input set.
#ifndef WELDAPP_PROFILE_MANAGER_H
#define WELDAPP_PROFILE_MANAGER_H

enum { PROFILE_ANSWER_SIZE = 101 };  // the answer: 100 characters and the terminator

// Mode 1: runs the manager with "TRANSFER" (and "DEFAULT=", "FILTER=" for
// the newer one), waits for its window to close and returns the chosen
// profile's name (the first line of "PROFIL" in "TEMP", without blanks at
// either end; the file is deleted) in a static buffer that the next call
// overwrites. Mode 0 starts the older manager without arguments, does not
// wait, and returns null. Null also when "EXEC" or "TEMP" is not set, the
// manager is already open (message box), could not be started or failed
// (message box), or the user cancelled (no answer file); the caller then
// keeps its profile. Once a manager it waited for has returned, answered
// or not, what was read of the profile files is forgotten
// (Forget_Profile_Files_Read): the manager may have changed any profile.
const char* Select_Profile_from_Manager(int mode);

#endif
