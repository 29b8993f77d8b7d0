// The component's print list and plot file, put in place together (see the
// header for the steps and what a cut-off run leaves).
#include "weldapp/output_pair.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

#include "platform/file_locks.h"
#include "platform/oli_view.h"
#include "platform/posix.h"

namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// The size of a file, -1 when it cannot be had.
long long Size(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(size);
}

// Removes a file; true when it is gone (or was never there).
bool Remove(const std::string& path) {
    return path.empty() || std::remove(path.c_str()) == 0 || errno == ENOENT;
}

// Whether the name is the file this run's claim (`claim`) holds; errno
// ESTALE when another file stands there now.
bool Is_Own(const std::string& path, int claim) {
    struct stat named, held;
    if (path.empty() || claim < 0 || lstat(path.c_str(), &named) != 0 || fstat(claim, &held) != 0) return false;
    if (named.st_dev == held.st_dev && named.st_ino == held.st_ino) return true;
    errno = ESTALE;
    return false;
}

// Gives back the room of the claimed file once no name shows it: nobody
// else can reach it, and on a full disc the list that says why the run
// failed needs that room (the claim holds the file open to the end of the
// run).
void Free_Unnamed(int claim) {
    struct stat st;
    if (claim >= 0 && fstat(claim, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 0 && st.st_size > 0 &&
        ftruncate(claim, 0) != 0) {
        // Nothing more to do: the room comes back when the claim ends.
    }
}

// Removes a temporary of this run's: only while the name is still the
// file its claim (`claim`) holds. A name this run freed may be another
// run's claim by now; one it could not claim (-1: a folder stood there,
// say) was never its own. The room of its file is given back in either
// case.
void Remove_Own(const std::string& path, int claim) {
    const int error = errno;
    if (Is_Own(path, claim)) Remove(path);
    Free_Unnamed(claim);
    errno = error;
}

// True when a folder stands at the path itself (a link to one is no folder
// here: a rename replaces the link).
bool Is_Folder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(std::filesystem::symlink_status(path, ec));
}

bool Rename(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

// An empty file whose name is the message, lasting.
bool Write_Empty(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool done = fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0) return false;
    errno = error;
    return done;
}

// A lasting copy of `from` under `to`: a second name of the same file where
// the file system has them, else a copy of its bytes; `in_place`: always
// the bytes, into the file that stands at `to` (a claimed temporary, whose
// lock stays with it).
bool Stage(const std::string& from, const std::string& to, bool in_place = false) {
    if (!in_place) {
        Remove(to);
        if (link(from.c_str(), to.c_str()) == 0) return true;
    }
    FILE* in = VEK_Open_Reading(from.c_str(), VEK_READ_CAP_LIST, nullptr);
    if (!in) return false;
    FILE* out = std::fopen(to.c_str(), "wb");
    bool done = out != nullptr;
    char chunk[1 << 16];
    for (size_t got; done && (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
        done = std::fwrite(chunk, 1, got, out) == got;
    done = done && !std::ferror(in) && std::fflush(out) == 0 && fsync(fileno(out)) == 0;
    const int error = errno;
    std::fclose(in);
    if (out && std::fclose(out) != 0) done = false;
    if (!done) {
        Remove(to);
        errno = error ? error : EIO;
    }
    return done;
}

bool Sync_Folder(const Output_Pair& o) { return VEK_Sync_Directory_Of(o.list.c_str()) == VEK_WRITE_DONE; }

// The folder part of a native path ("." for none) and its last name.
std::string Folder_Of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}
std::string Name_Of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The lock on the pair's folder, held while names change there: a claim,
// a commit and its renames, a completion. Where the folder takes no lock
// the steps run as they did before there were two runs at once. Another
// run's lock is waited for a bounded time (VEK_Take_Lock, which says whose
// it is): `refused` then, errno EWOULDBLOCK, and nothing is to change
// there. Else errno is left as the steps inside left it.
struct Folder_Lock {
    int fd = -1;
    bool refused = false;
    bool none = false;  // the folder keeps no locks (or cannot be opened to take one)
    explicit Folder_Lock(const std::string& path) {
        const int error = errno;
        const std::string folder = Folder_Of(path);
        fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        std::error_code ec;
        const std::string named = std::filesystem::absolute(path, ec).lexically_normal().parent_path().string();
        const int taken = VEK_Take_Lock(fd, ec ? folder.c_str() : named.c_str());
        refused = taken == VEK_LOCK_REFUSED;
        none = taken == VEK_LOCK_NONE;
        if (!refused) errno = error;
    }
    ~Folder_Lock() {
        const int error = errno;
        if (fd >= 0) close(fd);
        errno = error;
    }
    Folder_Lock(const Folder_Lock&) = delete;
    Folder_Lock& operator=(const Folder_Lock&) = delete;
};

// A temporary name of `path`: the plain one for no tag, else the tag
// between the name and the suffix.
std::string Tagged(const std::string& path, const std::string& tag, const char* suffix) {
    return tag.empty() ? path + suffix : path + "." + tag + suffix;
}

// A tag no other run is likely to draw: eight hexadecimal digits.
std::string New_Tag() {
    unsigned value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof value)) {
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        value = static_cast<unsigned>(t.tv_nsec) ^ (static_cast<unsigned>(getpid()) << 12);
    }
    char tag[OLI_RUN_TAG_LENGTH + 1];
    std::snprintf(tag, sizeof tag, "%08x", value);
    return tag;
}

// The names in a folder (none when it cannot be read).
std::vector<std::string> Names_In(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

// An earlier version put the pair in place by moving the old plot file
// aside (an empty file when there was none) until the new list stood: while
// the list's temporary is there the old list still stands and gets its old
// plot file back, else the new list stands and the old plot file goes.
void Recover_Old_Version(const Output_Pair& o) {
    if (!Exists(o.plot_old)) return;
    if (!Exists(o.list_temp)) {
        Remove(o.plot_old);
    } else if (Size(o.plot_old) == 0) {
        Remove(o.plot);
        Remove(o.plot_old);
    } else {
        Rename(o.plot_old, o.plot);
    }
}

// A cut-off run's pending list, by its tag, and when it was made.
struct Pending {
    std::string tag;
    std::filesystem::file_time_type made;
};

// Completes the pair of the pending list of `tag`; false (errno says why)
// when a step fails.
bool Complete(const Output_Pair& o, const std::string& tag) {
    const std::string plot_temp = o.plot.empty() ? "" : Tagged(o.plot, tag, ".tmp");
    if (!plot_temp.empty() && Exists(plot_temp)) {
        if (Size(plot_temp) == 0) {
            if (!Remove(o.plot)) return false;
            Remove(plot_temp);
        } else if (!Rename(plot_temp, o.plot)) {
            return false;
        }
    }
    return Rename(Tagged(o.list, tag, OLI_LIST_PENDING_SUFFIX), o.list);
}

// Whether `name` is the list of a file of the component of the list
// `base`: named alike but for the File-Id between the component's part
// (up to the last '_') and the extension ("A001_02.OLI" of "A001_01.OLI"),
// the File-Id as the program writes it ("%02d": two digits, more only
// without a leading zero). Another component's name that only begins with
// this one's ("A001_X_01.OLI") is none. The plot file is named by the
// component and the position, not the file: the runs of every file of a
// component may share it.
bool Sharing_List(const std::string& name, const std::string& base) {
    const size_t id = base.rfind('_'), extension = base.rfind('.');
    if (id == std::string::npos || extension == std::string::npos || extension < id) return name == base;
    const size_t digits = name.size() - std::min(name.size(), id + 1 + base.size() - extension);
    if (digits < 2 || name.compare(0, id + 1, base, 0, id + 1) != 0 || !name.ends_with(base.substr(extension)))
        return false;
    const std::string number = name.substr(id + 1, digits);
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           (digits == 2 || number[0] != '0');
}

// Whether `name` is a temporary (`suffix` ".tmp"), a pending list (".new")
// or a run's record (".run") of such a list; its tag in *tag ("" for the
// plain names), and the list's name in *list (when given).
bool Sharing_Temporary(const std::string& name, const std::string& base, const char* suffix, std::string* tag,
                       std::string* list = nullptr) {
    if (!name.ends_with(suffix)) return false;
    const std::string stem = name.substr(0, name.size() - std::char_traits<char>::length(suffix));
    const size_t tagged = stem.size() - std::min(stem.size(), OLI_RUN_TAG_LENGTH + 1);
    if (tagged > 0 && stem[tagged] == '.' && Sharing_List(stem.substr(0, tagged), base) &&
        OLI_Run_Temporary_Of(name, stem.substr(0, tagged), suffix, tag)) {
        if (list) *list = stem.substr(0, tagged);
        return true;
    }
    if (!Sharing_List(stem, base)) return false;
    tag->clear();
    if (list) *list = stem;
    return true;
}

bool Listed(const std::vector<std::string>& tags, const std::string& tag) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// The name of the record of a run that claims its temporaries where the
// folder keeps no locks: it speaks for them in place of the lock.
constexpr char kRecordSuffix[] = ".run";

// A record of a run found in the folder: of which file's list, under which
// tag, and how its writer stands (VEK_OWNER_*).
struct Record_Seen {
    std::string list, tag, path;
    int owner;
};

// Whether the file at path has not been touched for a day: a temporary
// whose writer cannot be told from here is left that long.
bool Untouched_For_A_Day(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && std::time(nullptr) - st.st_mtime > VEK_STALE_TEMP_SECONDS;
}

// Whether the writer of a temporary (or pending list) at path is gone: of
// the run under `tag` of the list `list` ("": of any file of the component,
// as for the plot file's temporaries, whose runs share it). A live run holds
// its lock; where the folder keeps no locks its record tells (a run that
// records itself lives while its process does), and a temporary without a
// record that tells is taken for a live run's until it has not been touched
// for a day: a run never takes away what another live run writes.
bool Writer_Gone(const std::string& path, const std::string& list, const std::string& tag,
                 const std::vector<Record_Seen>& records) {
    bool recorded = false, told = true;
    for (const Record_Seen& r : records) {
        if (r.tag != tag || (!list.empty() && r.list != list)) continue;
        if (r.owner == VEK_OWNER_LIVE) return false;
        recorded = true;
        told = told && r.owner == VEK_OWNER_GONE;
    }
    const int hold = VEK_File_Hold_State(path.c_str());
    if (hold != VEK_HOLD_UNKNOWN) return hold == VEK_HOLD_FREE;
    return (recorded && told) || Untouched_For_A_Day(path);
}

// Recover_Output_Pair with the folder's lock held. *taken (when given):
// the tags the plot file's temporaries stand under afterwards (of live
// runs, or waiting for a pending list) and those of the pending lists of
// every file of the component, which no new claim may take.
int Recover_Locked(const Output_Pair& o, std::vector<std::string>* taken = nullptr) {
    if (o.list.empty()) return PAIR_WHOLE;
    Recover_Old_Version(o);
    const std::string folder = Folder_Of(o.list), base = Name_Of(o.list);
    const std::vector<std::string> names = Names_In(folder);
    // The records of runs in a folder that keeps no locks, of this list and
    // of every file of the component.
    std::vector<Record_Seen> records;
    for (const std::string& name : names) {
        Record_Seen r;
        if (OLI_Run_Temporary_Of(name, base, kRecordSuffix, &r.tag)) r.list = base;
        else if (o.plot.empty() || !Sharing_Temporary(name, base, kRecordSuffix, &r.tag, &r.list)) continue;
        r.path = folder + "/" + name;
        r.owner = VEK_Owner_State(r.path.c_str());
        records.push_back(r);
    }
    std::vector<Pending> pending;    // this list's, of cut-off runs
    std::vector<std::string> waits;  // tags of the pending lists of every file of the component
    for (const std::string& name : names) {
        std::string tag, list;
        const std::string path = folder + "/" + name;
        const bool temp = OLI_Run_Temporary_Of(name, base, ".tmp", &tag);
        if (temp || OLI_Run_Temporary_Of(name, base, OLI_LIST_PENDING_SUFFIX, &tag)) {
            const bool live = !Writer_Gone(path, base, tag, records);  // a live run's claim
            if (!temp) waits.push_back(tag);
            if (live) continue;
            if (temp) {
                Remove(path);  // cut off before its commit: nothing of it counts
            } else {
                // Committed: both temporaries were complete and lasting before
                // the pending list was made, so the pair is completed, not undone.
                std::error_code ec;
                pending.push_back({tag, std::filesystem::last_write_time(path, ec)});
            }
            continue;
        }
        if (o.plot.empty()) continue;
        // Another file of the component, whose runs write the same plot
        // file: its pending list's plot temporary waits for its next run;
        // its temporaries nobody holds are of a run cut off before its
        // commit.
        if (Sharing_Temporary(name, base, OLI_LIST_PENDING_SUFFIX, &tag)) waits.push_back(tag);
        else if (Sharing_Temporary(name, base, ".tmp", &tag, &list) && Writer_Gone(path, list, tag, records))
            Remove(path);
    }
    if (taken) *taken = waits;
    if (!o.plot.empty()) {
        // A plot temporary is a live run's while that run holds it, of
        // whichever file; else a cut-off run's, which stays only while a
        // pending list of its tag waits for it.
        const std::string plot_folder = Folder_Of(o.plot), plot_base = Name_Of(o.plot);
        for (const std::string& name : plot_folder == folder ? names : Names_In(plot_folder)) {
            std::string tag;
            if (!OLI_Run_Temporary_Of(name, plot_base, ".tmp", &tag)) continue;
            const std::string path = plot_folder + "/" + name;
            if (!Listed(waits, tag) && Writer_Gone(path, "", tag, records) && Remove(path)) continue;
            std::error_code ec;
            if (taken && std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)))
                taken->push_back(tag);
        }
    }
    // What saves in the folder left when they were killed (the list that
    // says why no check stands, the viewer's PDF of any list there); a live
    // save's stays.
    VEK_Remove_Stale_Temporaries(o.list.c_str());
    int recovery = PAIR_WHOLE;
    if (!pending.empty()) {
        // Of two cut-off runs the later one's pair is the one to stand.
        std::stable_sort(pending.begin(), pending.end(),
                         [](const Pending& a, const Pending& b) { return a.made < b.made; });
        for (const Pending& p : pending)
            if (!Complete(o, p.tag)) return PAIR_STUCK;
        Sync_Folder(o);
        recovery = PAIR_COMPLETED;
    }
    // A record goes once nothing it spoke for is left, unless its run
    // lives: one of a run cut off, or one that cannot be read (a run cut
    // off while it wrote it, another machine's that put its pair in
    // place). Should such a run still make its temporaries, they stand
    // without a record, which leaves them to the age rule.
    for (const Record_Seen& r : records) {
        const std::string list = Folder_Of(o.list) + "/" + r.list;
        if (r.owner != VEK_OWNER_LIVE &&
            !Exists(Tagged(list, r.tag, ".tmp")) && !Exists(Tagged(list, r.tag, OLI_LIST_PENDING_SUFFIX)) &&
            (o.plot.empty() || !Exists(Tagged(o.plot, r.tag, ".tmp"))))
            Remove(r.path);
    }
    return recovery;
}

}  // namespace

Output_Pair Make_Output_Pair(const std::string& list, const std::string& plot) {
    Output_Pair o;
    o.list = list;
    o.list_temp = list + ".tmp";
    o.list_new = list + OLI_LIST_PENDING_SUFFIX;
    o.list_saved = list + ".saved";
    if (!plot.empty()) {
        o.plot = plot;
        o.plot_temp = plot + ".tmp";
        o.plot_saved = plot + ".saved";
        o.plot_old = plot + ".old.tmp";
    }
    return o;
}

int Recover_Output_Pair(const Output_Pair& o) {
    Folder_Lock lock(o.list);
    // A run that holds the folder is live: what waits there is its own.
    return lock.refused ? PAIR_WHOLE : Recover_Locked(o);
}

int Change_Output_Pair(const Output_Pair& o, void (*change)(const Output_Pair& o, void* context), void* context) {
    Folder_Lock lock(o.list);
    if (lock.refused) return PAIR_FAILED;
    Recover_Locked(o);
    change(o, context);
    return PAIR_DONE;
}

int Claim_Output_Pair(Output_Pair* o) {
    Release_Output_Pair(o);
    Folder_Lock lock(o->list);
    if (lock.refused) return PAIR_FAILED;
    std::vector<std::string> taken;
    Recover_Locked(*o, &taken);
    // The plain names first: a run alone in its folder uses those that
    // earlier versions and the desktop know. A tag stays another run's for
    // as long as a plot temporary or a pending list of the component stands
    // under it: the runs of two files of the component share the plot file.
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::string tag = attempt == 0 ? "" : New_Tag();
        const std::string list_temp = Tagged(o->list, tag, ".tmp"), list_new = Tagged(o->list, tag, OLI_LIST_PENDING_SUFFIX);
        const std::string plot_temp = o->plot.empty() ? "" : Tagged(o->plot, tag, ".tmp");
        // (A record under the tag: a run of it is live, or has just put
        // its pair in place, or left what the next sweep takes away.)
        const std::string record = Tagged(o->list, tag, kRecordSuffix);
        if (Listed(taken, tag) || Exists(list_new) || (!tag.empty() && Exists(plot_temp)) || Exists(record)) continue;
        // Where the folder keeps no locks, the run's record speaks for its
        // temporaries: made before them, so that no other run finds one of
        // them without it and takes it for a cut-off run's while it lives
        // (a record alone, of a run cut off before its temporaries, goes
        // with the next sweep).
        bool recorded = false;
        auto record_run = [&] {
            recorded = VEK_Write_Owner_Record(record.c_str()) == 1;
            return recorded;
        };
        if (lock.none && !record_run()) {
            if (errno == EEXIST) continue;
            return PAIR_FAILED;
        }
        const int fd = open(list_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            const int error = errno;
            if (recorded) Remove(record);
            errno = error;
            if (error == EEXIST) continue;
            return PAIR_FAILED;
        }
        // What this attempt made, undone when the tag turns out another
        // run's after all.
        auto undo = [&] {
            const int error = errno;
            if (Is_Own(list_temp, fd)) Remove(list_temp);
            if (recorded) Remove(record);
            close(fd);
            errno = error;
        };
        int lock_error = 0;
        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            lock_error = errno;
            break;
        }
        if (lock_error == EWOULDBLOCK) {
            undo();
            continue;
        }
        // A folder whose own lock was taken but whose files take none.
        if (lock_error != 0 && !recorded && !record_run()) {
            const bool another = errno == EEXIST;
            undo();
            if (another) continue;
            return PAIR_FAILED;
        }
        // The plot temporary is held too: the sweep of a run of another
        // file of the component asks it, not the list's. Where it cannot be
        // made (a folder stands there, say), the plot file's writer meets
        // that and says so; a file another run made there since the sweep
        // (in a folder without locks, claims are not one after another)
        // makes the tag that run's.
        const int plot_fd =
            plot_temp.empty() ? -1 : open(plot_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (plot_fd < 0 && errno == EEXIST) {
            struct stat st;
            if (lstat(plot_temp.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
                undo();
                continue;
            }
        }
        if (plot_fd >= 0) flock(plot_fd, LOCK_EX | LOCK_NB);
        o->claim = fd;
        o->plot_claim = plot_fd;
        o->list_temp = list_temp;
        o->list_new = list_new;
        o->plot_temp = plot_temp;
        o->record = recorded ? record : "";
        return PAIR_DONE;
    }
    errno = EEXIST;
    return PAIR_FAILED;
}

void Release_Output_Pair(Output_Pair* o) {
    if (!o) return;
    const int error = errno;
    // The record speaks for a pending list this run leaves (a step after its
    // commit failed): once this run is gone, the next one completes it.
    if (!o->record.empty() && !Is_Own(o->list_new, o->claim)) Remove(o->record);
    o->record.clear();
    if (o->claim >= 0) close(o->claim);
    if (o->plot_claim >= 0) close(o->plot_claim);
    o->claim = o->plot_claim = -1;
    errno = error;
}

namespace {

// The steps below change only this run's own files: a name is synced,
// emptied or renamed only while it is still the file the run's claim holds
// (errno ESTALE when another file stands there). Between that check and
// the step no run of the program puts another file under the name: no run
// takes away a temporary or pending list whose writer lives (its lock, or
// its record where the folder keeps none, says so), and a name is claimed
// only as a new file; so only a program outside the runs could, which no
// lock would stop either. Without a claim (-1) the name is taken as it is.

// Makes the bytes of this run's file at path last.
bool Sync_Own(const std::string& path, int claim) {
    if (claim < 0) return VEK_Sync_File(path.c_str()) == VEK_WRITE_DONE;
    return Is_Own(path, claim) && fsync(claim) == 0;
}

// Empties this run's file at path, lasting: an empty plot temporary says
// that the new pair has no plot file.
bool Empty_Own(const std::string& path, int claim) {
    if (claim < 0) return Write_Empty(path);
    return Is_Own(path, claim) && ftruncate(claim, 0) == 0 && fsync(claim) == 0;
}

bool Rename_Own(const std::string& from, const std::string& to, int claim) {
    return (claim < 0 || Is_Own(from, claim)) && Rename(from, to);
}

}  // namespace

int Install_Output_Pair(const Output_Pair& o, bool new_plot, std::string* failed) {
    if (failed) *failed = o.list;
    auto at_plot = [&] {
        if (failed) *failed = o.plot;
    };
    auto abandon = [&] {
        const int error = errno;
        Remove_Own(o.list_temp, o.claim);
        Remove_Own(o.plot_temp, o.plot_claim);
        errno = error;
        return PAIR_FAILED;
    };
    // A folder in the place of the list or of the plot file would stop the
    // steps after the commit. Anything else there, a symbolic link above
    // all (dangling or not), is replaced by the rename; the file a link
    // names stays as it was.
    if (Is_Folder(o.list)) {
        errno = EISDIR;
        return abandon();
    }
    if (Is_Folder(o.plot)) {
        at_plot();
        errno = EISDIR;
        return abandon();
    }
    if (!Sync_Own(o.list_temp, o.claim)) return abandon();
    if (o.plot.empty()) {
        Folder_Lock lock(o.list);
        if (lock.refused || !Rename_Own(o.list_temp, o.list, o.claim)) return abandon();
        return Sync_Folder(o) ? PAIR_DONE : PAIR_UNCONFIRMED;
    }
    if (new_plot ? !Sync_Own(o.plot_temp, o.plot_claim) : !Empty_Own(o.plot_temp, o.plot_claim)) {
        at_plot();
        return abandon();
    }
    Folder_Lock lock(o.list);
    if (lock.refused || !Rename_Own(o.list_temp, o.list_new, o.claim)) return abandon();
    // The commit: the pending list must last before the plot file changes.
    if (!Sync_Folder(o)) return PAIR_FAILED;
    if (new_plot) {
        if (!Rename_Own(o.plot_temp, o.plot, o.plot_claim)) {
            at_plot();
            return PAIR_FAILED;
        }
    } else {
        if (!Remove(o.plot)) {
            at_plot();
            return PAIR_FAILED;
        }
        Remove_Own(o.plot_temp, o.plot_claim);
    }
    if (!Rename_Own(o.list_new, o.list, o.claim)) return PAIR_FAILED;
    // The new pair stands whole: a folder that cannot be synced now may
    // lose it to a power cut, but must not lose it to a list saying that
    // nothing was written.
    return Sync_Folder(o) ? PAIR_DONE : PAIR_UNCONFIRMED;
}

void Discard_Output_Pair(const Output_Pair& o) {
    // Names this run never claimed are another run's, which may be live.
    if (o.claim < 0) return;
    Remove_Own(o.list_temp, o.claim);
    Remove_Own(o.plot_temp, o.plot_claim);
    Remove_Own(o.list_new, o.claim);
}

int Keep_Output_Pair(const Output_Pair& o, std::string* kept_by) {
    auto keep = [](const std::string& path, const std::string& saved) {
        if (!Exists(path)) return Remove(saved) && Write_Empty(saved);
        if (Is_Folder(path)) {
            errno = EISDIR;
            return false;
        }
        // A link is kept as the link (a second name of it), as the rename
        // that puts it back replaces whatever stands then.
        return Stage(path, saved);
    };
    // Another run's renames between the two copies would keep a list and a
    // plot file of two runs.
    Folder_Lock lock(o.list);
    if (lock.refused) return PAIR_FAILED;
    // The saved plot file is named as the plot file, of no file of the
    // component: while the kept pair of another file waits (its plan editor
    // open, or its run cut off before it put the pair back), it is that
    // pair's, which would lose its plot file to this one.
    if (!o.plot.empty() && Exists(o.plot_saved)) {
        const std::string folder = Folder_Of(o.list), base = Name_Of(o.list), saved = ".saved";
        for (const std::string& name : Names_In(folder)) {
            const std::string list = name.ends_with(saved) ? name.substr(0, name.size() - saved.size()) : "";
            if (list.empty() || list == base || !Sharing_List(list, base)) continue;
            if (kept_by) *kept_by = list;
            errno = EBUSY;
            return PAIR_FAILED;
        }
    }
    // The saved list goes last: its name says that a kept pair waits.
    Remove(o.list_saved);
    const bool kept = (o.plot.empty() || keep(o.plot, o.plot_saved)) && keep(o.list, o.list_saved) && Sync_Folder(o);
    if (!kept) {
        const int error = errno;
        Remove(o.list_saved);
        Remove(o.plot_saved);
        errno = error;
    }
    return kept ? PAIR_DONE : PAIR_FAILED;
}

bool Output_Pair_Kept(const Output_Pair& o) { return Exists(o.list_saved); }

int Put_Back_Output_Pair(const Output_Pair& o) {
    if (!Output_Pair_Kept(o)) {
        errno = ENOENT;
        return PAIR_FAILED;
    }
    Output_Pair_Claim claim(o);
    if (Claim_Output_Pair(&claim.pair) != PAIR_DONE) return PAIR_FAILED;
    const Output_Pair& run = claim.pair;
    const bool list_there = Size(o.list_saved) > 0;
    const bool plot_there = !o.plot.empty() && Size(o.plot_saved) > 0;
    bool done;
    // Both are copied into the claimed temporaries, which stay held (a
    // second name of the saved file would not be).
    if (list_there) {
        done = Stage(o.list_saved, run.list_temp, true) &&
               (!plot_there || Stage(o.plot_saved, run.plot_temp, true)) &&
               Install_Output_Pair(run, plot_there) != PAIR_FAILED;
        const int error = errno;
        if (!done && !Exists(run.list_new)) Discard_Output_Pair(run);
        errno = error;
    } else {
        // The component had no list: none stays, nor a plot file of the
        // edits.
        done = !plot_there || Stage(o.plot_saved, run.plot_temp, true);
        Folder_Lock lock(o.list);
        done = done && !lock.refused &&
               (plot_there ? Rename_Own(run.plot_temp, o.plot, run.plot_claim) : Remove(o.plot)) && Remove(o.list);
        const int error = errno;
        Discard_Output_Pair(run);  // what of the claim was not put in place
        errno = error;
    }
    if (!done) return PAIR_FAILED;
    Remove(o.list_saved);
    Remove(o.plot_saved);
    Sync_Folder(o);
    return PAIR_DONE;
}
