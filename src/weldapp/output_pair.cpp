// The component's print list and plot file, put in place together (see the
// header for the steps and what a cut-off run leaves).
#include "weldapp/output_pair.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

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
// the file system has them, else a copy of its bytes.
bool Stage(const std::string& from, const std::string& to) {
    Remove(to);
    if (link(from.c_str(), to.c_str()) == 0) return true;
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
    Recover_Old_Version(o);
    if (!Exists(o.list_new)) {
        Remove(o.list_temp);
        Remove(o.plot_temp);
        return PAIR_WHOLE;
    }
    // Committed: both temporaries were complete and lasting before the
    // pending list was made, so the pair is completed, not undone.
    Remove(o.list_temp);
    if (!o.plot.empty() && Exists(o.plot_temp)) {
        if (Size(o.plot_temp) == 0) {
            if (!Remove(o.plot)) return PAIR_STUCK;
            Remove(o.plot_temp);
        } else if (!Rename(o.plot_temp, o.plot)) {
            return PAIR_STUCK;
        }
    }
    if (!Rename(o.list_new, o.list)) return PAIR_STUCK;
    Sync_Folder(o);
    return PAIR_COMPLETED;
}

int Install_Output_Pair(const Output_Pair& o, bool new_plot) {
    auto abandon = [&] {
        const int error = errno;
        Remove(o.list_temp);
        Remove(o.plot_temp);
        errno = error;
        return PAIR_FAILED;
    };
    // A folder in the list's place would stop the steps after the commit.
    // Anything else there, a symbolic link above all (dangling or not), is
    // replaced by the rename; the file a link names stays as it was.
    if (Is_Folder(o.list)) {
        errno = EISDIR;
        return abandon();
    }
    if (!VEK_Sync_File(o.list_temp.c_str())) return abandon();
    if (o.plot.empty()) {
        if (!Rename(o.list_temp, o.list)) return abandon();
        return Sync_Folder(o) ? PAIR_DONE : PAIR_UNCONFIRMED;
    }
    if (new_plot ? !VEK_Sync_File(o.plot_temp.c_str()) : !Write_Empty(o.plot_temp)) return abandon();
    if (!Rename(o.list_temp, o.list_new)) return abandon();
    // The commit: the pending list must last before the plot file changes.
    if (!Sync_Folder(o)) return PAIR_FAILED;
    if (new_plot) {
        if (!Rename(o.plot_temp, o.plot)) return PAIR_FAILED;
    } else {
        if (!Remove(o.plot)) return PAIR_FAILED;
        Remove(o.plot_temp);
    }
    if (!Rename(o.list_new, o.list)) return PAIR_FAILED;
    // The new pair stands whole: a folder that cannot be synced now may
    // lose it to a power cut, but must not lose it to a list saying that
    // nothing was written.
    return Sync_Folder(o) ? PAIR_DONE : PAIR_UNCONFIRMED;
}

void Discard_Output_Pair(const Output_Pair& o) {
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
    const bool list_there = Size(o.list_saved) > 0;
    const bool plot_there = !o.plot.empty() && Size(o.plot_saved) > 0;
    bool done;
    if (list_there) {
        done = Stage(o.list_saved, o.list_temp) && (!plot_there || Stage(o.plot_saved, o.plot_temp)) &&
               Install_Output_Pair(o, plot_there) != PAIR_FAILED;
        const int error = errno;
        if (!done && !Exists(o.list_new)) Discard_Output_Pair(o);
        errno = error;
    } else {
        // The component had no list: none stays, nor a plot file of the
        // edits.
        done = (plot_there ? Stage(o.plot_saved, o.plot_temp) && Rename(o.plot_temp, o.plot) : Remove(o.plot)) &&
               Remove(o.list);
    }
    if (!done) return PAIR_FAILED;
    Remove(o.list_saved);
    Remove(o.plot_saved);
    Sync_Folder(o);
    return PAIR_DONE;
}
