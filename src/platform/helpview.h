/* helpview.h -- the desktop's help viewer, as the stand-in offers it.
 *
 * The desktop shows the program's help file at a topic key.  The viewer is
 * not part of the stand-in: Init_Helpview notes the help file and Helpview
 * records the topic asked for, says so on stderr and tells the user in a
 * message box which topic of which file was asked for and that the help
 * viewer is not here, so that a person and a scripted session see which
 * help a button opened.  Nothing here fails; the box waits like any other.
 */
#ifndef PLATFORM_HELPVIEW_H
#define PLATFORM_HELPVIEW_H

/* Names the help file (directory and file name; null counts as empty). */
void Init_Helpview(const char* directory, const char* file);
/* Shows the help file at the topic: the topic is recorded.  Returns 1, or 0
 * before Init_Helpview. */
int Helpview(const char* topic);
/* The help file named last ("" before Init_Helpview), the topic shown last
 * ("" when none) and the number of topics shown. */
const char* VEK_Helpview_File(void);
const char* VEK_Last_Helpview_Topic(void);
int VEK_Helpview_Count(void);
/* Forgets the file and the topics, as at the start of the process. */
void VEK_Reset_Helpview(void);

#endif
