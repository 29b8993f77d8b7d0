// The component's print list and plot file, put in place together (see the
// header for the steps and what a cut-off run leaves).
#include "weldapp/output_pair.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
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
    explicit Folder_Lock(const std::string& path) {
        const int error = errno;
        const std::string folder = Folder_Of(path);
        fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        std::error_code ec;
        const std::string named = std::filesystem::absolute(path, ec).lexically_normal().parent_path().string();
        refused = VEK_Take_Lock(fd, ec ? folder.c_str() : named.c_str()) == VEK_LOCK_REFUSED;
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
    return Rename(Tagged(o.list, tag, ".new"), o.list);
}

// Recover_Output_Pair with the folder's lock held.
int Recover_Locked(const Output_Pair& o) {
    if (o.list.empty()) return PAIR_WHOLE;
    Recover_Old_Version(o);
    const std::string folder = Folder_Of(o.list), base = Name_Of(o.list);
    std::vector<std::string> live;  // tags of live runs
    std::vector<Pending> pending;
    for (const std::string& name : Names_In(folder)) {
        std::string tag;
        const std::string path = folder + "/" + name;
        const bool temp = OLI_Run_Temporary_Of(name, base, ".tmp", &tag);
        if (!temp && !OLI_Run_Temporary_Of(name, base, OLI_LIST_PENDING_SUFFIX, &tag)) continue;
        if (VEK_File_Held(path.c_str())) {  // a live run's claim
            live.push_back(tag);
        } else if (temp) {
            Remove(path);  // cut off before its commit: nothing of it counts
        } else {
            // Committed: both temporaries were complete and lasting before
            // the pending list was made, so the pair is completed, not undone.
            std::error_code ec;
            pending.push_back({tag, std::filesystem::last_write_time(path, ec)});
        }
    }
    if (!o.plot.empty()) {
        const std::string plot_folder = Folder_Of(o.plot), plot_base = Name_Of(o.plot);
        for (const std::string& name : Names_In(plot_folder)) {
            std::string tag;
            if (!OLI_Run_Temporary_Of(name, plot_base, ".tmp", &tag)) continue;
            const bool held = std::find(live.begin(), live.end(), tag) != live.end();
            const bool waits =
                std::any_of(pending.begin(), pending.end(), [&](const Pending& p) { return p.tag == tag; });
            if (!held && !waits) Remove(plot_folder + "/" + name);
        }
    }
    // What saves in the folder left when they were killed (the list that
    // says why no check stands, the viewer's PDF of any list there); a live
    // save's stays.
    VEK_Remove_Stale_Temporaries(o.list.c_str());
    if (pending.empty()) return PAIR_WHOLE;
    // Of two cut-off runs the later one's pair is the one to stand.
    std::stable_sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) { return a.made < b.made; });
    for (const Pending& p : pending)
        if (!Complete(o, p.tag)) return PAIR_STUCK;
    Sync_Folder(o);
    return PAIR_COMPLETED;
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
    Recover_Locked(*o);
    // The plain names first: a run alone in its folder uses those that
    // earlier versions and the desktop know.
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::string tag = attempt == 0 ? "" : New_Tag();
        const std::string list_temp = Tagged(o->list, tag, ".tmp"), list_new = Tagged(o->list, tag, OLI_LIST_PENDING_SUFFIX);
        const std::string plot_temp = o->plot.empty() ? "" : Tagged(o->plot, tag, ".tmp");
        if (Exists(list_new) || (!tag.empty() && Exists(plot_temp))) continue;
        const int fd = open(list_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return PAIR_FAILED;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            close(fd);
            continue;
        }
        o->claim = fd;
        o->list_temp = list_temp;
        o->list_new = list_new;
        o->plot_temp = plot_temp;
        return PAIR_DONE;
    }
    errno = EEXIST;
    return PAIR_FAILED;
}

void Release_Output_Pair(Output_Pair* o) {
    if (!o || o->claim < 0) return;
    const int error = errno;
    close(o->claim);
    o->claim = -1;
    errno = error;
}

int Install_Output_Pair(const Output_Pair& o, bool new_plot, std::string* failed) {
    if (failed) *failed = o.list;
    auto at_plot = [&] {
        if (failed) *failed = o.plot;
    };
    auto abandon = [&] {
        const int error = errno;
        Remove(o.list_temp);
        Remove(o.plot_temp);
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
    if (!VEK_Sync_File(o.list_temp.c_str())) return abandon();
    if (o.plot.empty()) {
        Folder_Lock lock(o.list);
        if (lock.refused || !Rename(o.list_temp, o.list)) return abandon();
        return Sync_Folder(o) ? PAIR_DONE : PAIR_UNCONFIRMED;
    }
    if (new_plot ? !VEK_Sync_File(o.plot_temp.c_str()) : !Write_Empty(o.plot_temp)) {
        at_plot();
        return abandon();
    }
    Folder_Lock lock(o.list);
    if (lock.refused || !Rename(o.list_temp, o.list_new)) return abandon();
    // The commit: the pending list must last before the plot file changes.
    if (!Sync_Folder(o)) return PAIR_FAILED;
    if (new_plot) {
        if (!Rename(o.plot_temp, o.plot)) {
            at_plot();
            return PAIR_FAILED;
        }
    } else {
        if (!Remove(o.plot)) {
            at_plot();
            return PAIR_FAILED;
        }
        Remove(o.plot_temp);
    }
    if (!Rename(o.list_new, o.list)) return PAIR_FAILED;
    // The new pair stands whole: a folder that cannot be synced now may
    // lose it to a power cut, but must not lose it to a list saying that
    // nothing was written.
    return Sync_Folder(o) ? PAIR_DONE : PAIR_UNCONFIRMED;
}

void Discard_Output_Pair(const Output_Pair& o) {
    // Names this run never claimed are another run's, which may be live.
    if (o.claim < 0) return;
    Remove(o.list_temp);
    Remove(o.plot_temp);
    Remove(o.list_new);
}

int Keep_Output_Pair(const Output_Pair& o) {
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
    if (list_there) {
        done = Stage(o.list_saved, run.list_temp, true) && (!plot_there || Stage(o.plot_saved, run.plot_temp)) &&
               Install_Output_Pair(run, plot_there) != PAIR_FAILED;
        const int error = errno;
        if (!done && !Exists(run.list_new)) Discard_Output_Pair(run);
        errno = error;
    } else {
        // The component had no list: none stays, nor a plot file of the
        // edits.
        Remove(run.list_temp);
        done = !plot_there || Stage(o.plot_saved, run.plot_temp);
        Folder_Lock lock(o.list);
        done = done && !lock.refused &&
               (plot_there ? Rename(run.plot_temp, o.plot) : Remove(o.plot)) && Remove(o.list);
        if (!done && plot_there) Remove(run.plot_temp);
    }
    if (!done) return PAIR_FAILED;
    Remove(o.list_saved);
    Remove(o.plot_saved);
    Sync_Folder(o);
    return PAIR_DONE;
}
