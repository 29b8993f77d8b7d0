// Services of the weld connection application: the test for the
// internal-force selection tool and the waiting animation of the wait box.
#ifndef WELDAPP_SERVICES_H
#define WELDAPP_SERVICES_H

// 1 when "LoadPick.exe" lies executable in the desktop's "EXEC" directory;
// 0 when the entry is not set or the file is not there. No other effect.
int LoadPick_Available(void);

// Starts the waiting animation at (x, y) (negative x or y: screen centre
// less 41 in both directions) in a second thread. A running animation is
// stopped first. Returns 1 when the thread started, -1 when not.
int Start_Waiting_Animation(int x, int y);

// Stops a running animation and waits for its thread to end. 1 when one was
// running, else 0.
int Stop_Waiting_Animation(void);

// Hands the two services above to the dialog toolkit (its wait box and its
// import button), which lies below this layer, and the profile manager
// (Select_Profile_from_Manager) to the end-plate library, keeping its other
// services. Called first thing by main.
void Install_Application_Services(void);

#endif
