// The component's print list and the plot file of its sketch, which belong
// together: the desktop shows the one and the plan editor takes the other,
// so after any run, even one that was killed or lost its power, both must
// be of one run, or the next run and the viewer must see that they are not.
//
// A run writes both under temporary names of its own and makes their bytes
// last (fsync); then it puts the new list beside the old one under its
// pending name (the commit: from here on the new pair is complete and the
// next run completes whatever is left), replaces the plot file (or, for a
// list without one, removes it; an empty plot temporary then marks that the
// new pair has none) and renames the pending list to the list's name last.
// While a pending list stands, the list and the plot file may be of two
// runs: the viewer says so on every page (platform/oli_view.h), and the
// next run of the program completes the pair before anything else.
//
// Two runs of one component at once (the desktop refreshing it twice, or
// refreshing two of its files, whose lists "X_01.OLI" and "X_02.OLI" share
// the plot file "X0010001.SPF" of their position) each write their own
// temporaries: a run claims the plain names ("X_01.OLI.tmp", "X_01.OLI.new",
// "X0010001.SPF.tmp") when no run holds them, else names of its own with a
// tag of eight hexadecimal digits ("X_01.OLI.3f09a1c2.tmp", ...); a tag
// under which a plot temporary or a pending list of any file of the
// component stands is not taken. It holds a lock (flock) on its list
// temporary and on its plot temporary, under whatever names they take,
// until the pair is in place or given up: a temporary nobody holds is a
// cut-off run's, one somebody holds is a live run's and is left alone, and
// a cut-off run's plot temporary stays while a pending list of any file of
// the component waits under its tag. The steps that change names (a claim,
// the commit to the last rename, the completion of a cut-off run) hold a
// lock on the folder, so that two runs never interleave their renames: the
// pair that stands is one run's, the last one's. A run that holds it for
// long (stopped, hung) is waited for a bounded time (platform/file_locks.h),
// the console saying which run it is; then the step fails (errno
// EWOULDBLOCK) and nothing of the folder is changed under its lock: a run
// that does not hold it changes none of the component's files (nor puts a
// list that says why in their place), so that the run it waited for, once
// it goes on, puts its whole pair in place.
//
// Where the folder keeps no locks (flock fails: some network folders), a
// run that claims its temporaries puts a record of itself beside them
// ("X_01.OLI.run", "X_01.OLI.3f09a1c2.run": this machine, its boot, the
// process and its start, platform/file_locks.h), which speaks for them in
// place of the lock: what a run whose record names a live process writes
// is left alone, that of a gone one is taken away or completed as that of
// a cut-off run, and a temporary whose writer cannot be told (another
// machine's, or one without a record) is left until it has not been
// touched for a day. The renames of two runs then are not one after the
// other: each list that stands is whole, but the plot file beside it may
// be the other run's. Every step that syncs, empties or renames a
// temporary or the pending list does so only while the name is still the
// file the run's claim holds (ESTALE when it is not), so that a run never
// puts in place, nor reports as done, a file it did not write.
//
// The plan editor is given the pair of the edits; the pair of the saved
// input waits meanwhile under the saved names (hard links, else copies),
// from which it is put back, by the same steps, when the editor has closed,
// or by the next run when this one was cut off before.
#ifndef WELDAPP_OUTPUT_PAIR_H
#define WELDAPP_OUTPUT_PAIR_H

#include <string>

// The names of one pair, native paths. No plot name: the list alone, put in
// place by one rename.
struct Output_Pair {
    std::string list, plot;            // the files in place
    std::string list_temp, plot_temp;  // written there first (this run's own once claimed)
    std::string list_new;              // the complete new list, waiting beside the old one
    std::string list_saved, plot_saved;  // the saved input's pair while the plan editor has another
    std::string plot_old;              // where earlier versions of the program kept the old plot file
    int claim = -1;                    // the descriptor whose lock claims the temporaries (-1: none)
    int plot_claim = -1;               // the one whose lock holds the plot temporary (-1: none)
    std::string record;                // the run's record where the folder keeps no locks ("": none)
};

// The names of the pair of `list` and `plot` (empty: no plot file), with
// the plain temporary names; nothing claimed.
Output_Pair Make_Output_Pair(const std::string& list, const std::string& plot);

// Results of the operations below.
enum Output_Pair_Result {
    PAIR_FAILED = 0,       // not done; errno says why
    PAIR_DONE = 1,
    PAIR_UNCONFIRMED = 2,  // the new pair stands whole, but the folder's last sync failed (errno says
                           // why): after a power cut the folder may show the old pair again
};

// What Recover_Output_Pair found.
enum Output_Pair_Recovery {
    PAIR_WHOLE = 0,      // nothing of a cut-off run, or only its unfinished temporaries (removed)
    PAIR_COMPLETED = 1,  // a cut-off run's complete pair was put in place
    PAIR_STUCK = 2,      // it could not be: the pending list stays (errno says why)
};

// Completes the pair of a run that was cut off after its commit (of every
// such run, the latest last), removes the temporaries of one cut off
// before it (of any file of the component; a plot temporary only while no
// pending list waits under its tag: the pair of another file is completed
// by its own next run) and those that killed saves in the folder left (the
// list that says why, the viewer's PDF of a list there: posix.h), and puts
// together what an earlier version of the program left. Never touches the
// saved pair nor what a live run holds; while a live run holds the folder
// past the wait, nothing (PAIR_WHOLE).
int Recover_Output_Pair(const Output_Pair& o);

// Calls change(o, context) with the folder's lock held, once what a
// cut-off run left is completed as by Recover_Output_Pair: for a run that
// puts something else in the pair's place (the list that says why no check
// stands). PAIR_DONE; PAIR_FAILED (errno EWOULDBLOCK) without the call
// when another run holds the folder past the wait: nothing is changed.
int Change_Output_Pair(const Output_Pair& o, void (*change)(const Output_Pair& o, void* context), void* context);

// Claims temporaries for this run: recovers first (as above), then takes
// the plain temporary names when no run holds them, else names of its own,
// into *o, and creates its list temporary and its plot temporary empty.
// PAIR_DONE; PAIR_FAILED (nothing claimed, errno says why) when no
// temporary can be made there.
int Claim_Output_Pair(Output_Pair* o);

// Gives the claim up (the temporaries stay as they are) and removes the
// run's record, unless its pending list stays for the next run to
// complete. Nothing without one.
void Release_Output_Pair(Output_Pair* o);

// Puts the written temporaries in place as described above. new_plot false:
// the new pair has no plot file, and an old one goes. PAIR_DONE;
// PAIR_UNCONFIRMED when only the folder's sync after the last rename
// failed: the new pair stands, complete, and is to be kept; PAIR_FAILED
// when a step failed: before the commit the old pair stands and the
// temporaries are removed; after it the pending list stays, so that the
// state shows (the caller replaces the list, then calls
// Discard_Output_Pair). *failed (when given) names the file whose step
// failed: the plot file (its temporary cannot be synced, a folder stands in
// its place, it cannot be renamed or removed) or else the list.
int Install_Output_Pair(const Output_Pair& o, bool new_plot, std::string* failed = nullptr);

// Removes the temporaries and the pending list of a pair that is not to be
// put in place; nothing for a pair this run has not claimed, nor a name
// that no longer is the file its claim made (its names may be a live
// run's). The room its files took is free afterwards, also of those the
// claim still holds open whose name is gone (removed by their writer, say):
// a list that says why the run failed may need it on a full disc.
void Discard_Output_Pair(const Output_Pair& o);

// Keeps the pair as it stands under the saved names (an empty saved file
// stands for a file that is not there), lasting, with the folder's lock
// held. PAIR_DONE; PAIR_FAILED (nothing kept, nothing changed) when a file
// cannot be read or kept, or another run holds the folder past the wait,
// or (errno EBUSY) while the kept pair of another file of the component
// holds the saved plot file's name: *kept_by (when given) then names its
// list.
int Keep_Output_Pair(const Output_Pair& o, std::string* kept_by = nullptr);

// True when a kept pair waits under the saved names.
bool Output_Pair_Kept(const Output_Pair& o);

// Puts the kept pair back in place of what stands, by the steps above, and
// removes the saved names. PAIR_DONE; PAIR_FAILED (the saved names stay,
// and what stands may be either pair) when it cannot be done.
int Put_Back_Output_Pair(const Output_Pair& o);

// The claim of a run's temporaries for as long as it lives.
struct Output_Pair_Claim {
    Output_Pair pair;
    explicit Output_Pair_Claim(const Output_Pair& names) : pair(names) {}
    ~Output_Pair_Claim() { Release_Output_Pair(&pair); }
    Output_Pair_Claim(const Output_Pair_Claim&) = delete;
    Output_Pair_Claim& operator=(const Output_Pair_Claim&) = delete;
};

#endif
