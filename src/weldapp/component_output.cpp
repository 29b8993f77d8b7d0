// The component's print list and plot file: both written or neither, the
// list that says why no check was made standing in their place when they
// cannot be, the saved input's pair kept and put back around the plan
// editor, and the preview's list in the temporary folder.
#include "weldapp/component_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/invariant.h"
#include "base/stored_text.h"
#include "base/vesk.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/oli_source.h"
#include "platform/posix.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/plotfile.h"
#include "printlist/verdict.h"
#include "weldapp/connection_invariants.h"
#include "weldapp/filed_record.h"
#include "weldapp/input_page.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/program_context.h"
#include "weldapp/shell_pages.h"

// The identity of the input file as the run read it (or saved it last): the
// lists of it carry it, and the window's start compares the list with it.
static OliSource s_input_source;

void Note_Input_Source(FILE* f) {
    if (f) OLI_Source_Of_Stream(f, component_file(Kontext.input_name).c_str(), &s_input_source);
    else s_input_source = OliSource{};
}

static Print_Schweissnaht_Function s_print = Print_Schweissnaht;

Print_Schweissnaht_Function Set_Print_Schweissnaht_Seam(Print_Schweissnaht_Function print) {
    Print_Schweissnaht_Function old = s_print;
    s_print = print;
    return old;
}

// Native path of a name beside the component's files; empty when it does
// not fit.
static std::string native_base_path(const std::string& name) {
    char base[VEK_MAX_PATH + 1], native[VEK_MAX_PATH + 1];
    if (!Make_Base_Path(base, name.c_str(), sizeof base)) return "";
    if (!VEK_Native_Path(native, sizeof native, base)) return "";
    return native;
}

// The component's print list and plot file. Paths are native; no plot
// names when the run has no plot-file name.
static Output_Pair component_pair(void) {
    char plot[VEK_MAX_PATH + 1];
    const bool has_plot = Kontext.plot_name[0] && VEK_Native_Path(plot, sizeof plot, Kontext.plot_name);
    return Make_Output_Pair(native_base_path(Print_List_Suffix), has_plot ? plot : "");
}

static bool file_exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

static void remove_file(const std::string& path) {
    if (!path.empty()) std::remove(path.c_str());
}

// The record as its input file holds it, in `stored` (initialised by the
// caller): written and read back. A list made in the window then takes the
// values the saved file gives every later run of it (six decimals, where
// the page holds a catalogue's single-precision values), so that a
// preview, a print and the list of the saved input agree to the digit and
// to the place of every label. False when the round trip failed; stored
// then holds what was read.
static bool as_stored(SchweissnahtAnschluss* r, SchweissnahtAnschluss* stored) {
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    if (!out) return false;
    const bool written = Write_Schweissnaht(out, r) == SCHWEISSNAHT_TEXT_OK;
    const bool closed = std::fclose(out) == 0;
    bool read = false;
    if (written && closed && text) {
        if (FILE* in = fmemopen(text, size, "r")) {
            read = Read_Schweissnaht(in, stored) == SCHWEISSNAHT_TEXT_OK;
            std::fclose(in);
        }
    }
    std::free(text);
    return read;
}

// The record a list is made from: with round_trip, the record as stored
// when the round trip succeeds, else the record itself. Owns the copy.
struct Printed_Record {
    SchweissnahtAnschluss stored{};
    SchweissnahtAnschluss* record;
    Printed_Record(SchweissnahtAnschluss* r, bool round_trip) : record(r) {
        Init_Schweissnaht(&stored);
        if (round_trip && as_stored(r, &stored)) record = &stored;
    }
    ~Printed_Record() { Free_Schweissnaht(&stored); }
    Printed_Record(const Printed_Record&) = delete;
    Printed_Record& operator=(const Printed_Record&) = delete;
};

// What a symbolic link at path names, for the console; "" when no link
// stands there.
std::string link_target(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return "";
    const std::string target = std::filesystem::read_symlink(path, ec).string();
    return target + (std::filesystem::exists(path, ec) ? "" : ", which does not exist");
}

// Says that the list replaced a link, not the file the link names, which
// a user may have expected to change.
static void tell_replaced_link(const std::string& list, const std::string& target) {
    if (!target.empty())
        std::fprintf(stderr, "%s: was a symbolic link to %s; the list now stands in its place and the file the "
                             "link named is left as it was\n", list.c_str(), target.c_str());
}

// The plot file's name as the user knows it.
static std::string plot_file_name(void) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%04d.SPF", Kontext.pos_id);
    return component_file(suffix);
}

// A size in the user's words: "4.0 GiB", "25.3 MiB", "812 Bytes".
static std::string size_text(long long bytes) {
    char text[48];
    if (bytes >= (1LL << 30)) std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / (1LL << 30));
    else if (bytes >= (1LL << 20)) std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1LL << 20));
    else std::snprintf(text, sizeof text, "%lld Bytes", bytes);
    return text;
}

static long long file_size(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(size);
}

// A list not written because another run held the folder past the wait:
// that run's files, or what stands, are left to it (output_pair.h).
enum { LIST_FOLDER_HELD = -2 };
static const char* const kLeftToTheHolder =
    "another run holds its folder; the print list and plot file there are left as they stand";

// The print list and the plot file of the record into the pair o names (no
// plot file when o names none), under temporaries this run claims in *o
// (its caller releases them); the list carries the identity `source` of
// its input when given. round_trip: of the record as its input file would
// give it back (the window's lists before a save). COMPONENT_FILE_DONE when
// both are in place; _UNCONFIRMED when they are, but the folder's sync
// after the last rename failed (the console says so, *why why); else
// _FAILED: the old files stand (or, when the step that failed came after
// the commit, the pending list shows that they may not), the console says
// so and names the file that failed, and *why (when given) holds the
// reason in the user's words; LIST_FOLDER_HELD likewise when the failure
// was another run's hold on the folder. A list that would pass the most bytes a list
// may have is not written (nor written on): the reason names its size and
// the limit.
static int write_list_and_plot(SchweissnahtAnschluss* r, bool round_trip, Output_Pair* o, const OliSource* source,
                               std::string* why) {
    const double reserved = r->print.grafik ? 16.0 : 6.0;
    const char* shown = o->list.empty() ? Print_List_Suffix : o->list.c_str();
    auto failed = [&](const char* what, const std::string& file, const char* console_file, int error,
                      const std::string& console) {
        if (why) *why = std::string(what) + " " + file + ": " + file_error_text(error, false);
        if (error == EWOULDBLOCK) {
            std::fprintf(stderr, "%s: not written: %s\n", shown, kLeftToTheHolder);
            return int{LIST_FOLDER_HELD};
        }
        if (error) std::fprintf(stderr, "%s: %s (%s)\n", console_file, console.c_str(), std::strerror(error));
        else std::fprintf(stderr, "%s: %s\n", console_file, console.c_str());
        return int{COMPONENT_FILE_FAILED};
    };
    const std::string list_file = component_file(Kontext.list_name);
    // Both files are written under temporary names of this run's own and
    // put in place together when both are complete, so that the desktop
    // never shows a half-written report, nor a list beside the sketch of
    // another run.
    errno = 0;
    if (o->list.empty() || Claim_Output_Pair(o) != PAIR_DONE)
        return failed("Druckliste", list_file, shown, errno ? errno : ENAMETOOLONG, "cannot be opened for writing");
    errno = 0;
    FILE* list = Open_Print_List_At(o->list_temp.c_str(), Position_Code, Position_Text, 1, reserved,
                                    r->print.ohne_nummerierung);
    if (!list) {
        const int error = errno ? errno : ENAMETOOLONG;
        Discard_Output_Pair(*o);
        return failed("Druckliste", list_file, shown, error, "cannot be opened for writing");
    }
    Set_Plot_File_Name(o->plot_temp.c_str());
    Reset_Print_List_Oversize();
    if (s_print) {
        Printed_Record printed(r, round_trip);
        s_print(printed.record, list);
    }
    // Why the plot file failed: the print closed it (a full disc), or it
    // is closed here.
    errno = 0;
    if (PlotFile_Is_Open() && PlotFile_Close() != 0) remove_file(o->plot_temp);
    const int plot_error = errno ? errno : Plot_File_Error();
    const int plot = Plot_File_Result();
    Set_Plot_File_Name(nullptr);
    OLI_End_Text(list);
    // Its input's identity closes the list: a list stands under its name
    // only whole, and the identity is found at its end without reading it.
    if (source) OLI_Write_Source(list, *source);
    errno = 0;
    bool complete = std::fflush(list) == 0 && !std::ferror(list);
    complete = VEK_Fclose_Buffered(list) == 0 && complete;
    const int list_error = errno;
    int cases = 0;
    const long long oversize = Print_List_Oversize(&cases), limit = VEK_Print_List_Limit();
    const long long bytes = complete && !oversize ? file_size(o->list_temp) : 0;
    if (!complete || plot < 0 || oversize > 0 || bytes > limit) {
        // (Not by name: a plot temporary its writer removed may be another
        // run's claim by now.)
        Discard_Output_Pair(*o);
        if (oversize > 0 || (complete && bytes > limit)) {
            const long long size = oversize > 0 ? oversize : bytes;
            if (why)
                *why = "Druckliste " + list_file + ": " + (oversize > 0 ? "etwa " : "") + size_text(size) +
                       (oversize > 0 ? " bei " + std::to_string(cases) + " Lastkombinationen" : "") +
                       ", mehr als die " + size_text(limit) +
                       ", die eine Druckliste haben darf (mit dem Ergebnisumfang tabellarisch bleibt sie kurz)";
            std::fprintf(stderr, "%s: not written: %s%lld bytes%s, more than the %lld bytes a print list may have "
                                 "(what the viewer and the program's readers take)\n",
                         shown, oversize > 0 ? "about " : "", size,
                         oversize > 0 ? (" for " + std::to_string(cases) + " load cases").c_str() : "", limit);
            return int{COMPONENT_FILE_FAILED};
        }
        if (!complete) return failed("Druckliste", list_file, shown, list_error, "print list write failed");
        return failed("Plotdatei", plot_file_name(), o->plot.empty() ? shown : o->plot.c_str(), plot_error,
                      "plot file write failed");
    }
    errno = 0;
    const std::string link = link_target(o->list);
    std::string failed_file;
    const int installed = Install_Output_Pair(*o, plot > 0, &failed_file);
    if (installed == PAIR_FAILED) {
        if (!o->plot.empty() && failed_file == o->plot)
            return failed("Plotdatei", plot_file_name(), o->plot.c_str(), errno, "cannot be put in place");
        return failed("Druckliste", list_file, shown, errno, "cannot be replaced");
    }
    tell_replaced_link(o->list, link);
    if (installed == PAIR_DONE) return COMPONENT_FILE_DONE;
    const int error = errno;
    if (why) *why = "Druckliste " + list_file + ": " + file_error_text(error, false);
    std::fprintf(stderr, "%s: written, but its folder could not be synced (%s): the new print list%s may not "
                         "survive a power cut\n", shown, std::strerror(error), o->plot.empty() ? "" : " and plot file");
    return COMPONENT_FILE_UNCONFIRMED;
}

// ---- the print list of a run without a check ----

static int write_failure_list(FILE* f, void* context) {
    const auto* why = static_cast<const Failure_List*>(context);
    Begin_Print_List(f, Position_Code, Position_Text, 1, 6.0, 0);
    OLI_printf(f, "%s", "Schweißnahtanschluss\n"_cp);
    OLI_Add_Para_Offset(0.3);
    OLI_printf(f, "╬HFehler╬r: %s\n"_cp, why->headline);
    OLI_printf(f, "%s\n", why->reason.c_str());
    OLI_printf(f, "%s\n", why->consequence);
    OLI_Add_Para_Offset(0.3);
    OLI_printf(f, "╬B%s\n"_cp, Line_Proof_Failed());
    OLI_End_Text(f);
    OLI_New_Paragraph();
    return std::fflush(f) == 0 && !std::ferror(f) ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

// Writes the list that says why over the list in place, for a folder that
// takes no new names. Never through a link (the file it names is not the
// component's) nor into a file with a second name (the kept list of the
// saved input). True when written.
static bool write_over_in_place(const std::string& path, Failure_List* why) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink > 1) return false;
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    FILE* f = fd < 0 ? nullptr : fdopen(fd, "w");
    if (!f) {
        if (fd >= 0) close(fd);
        return false;
    }
    const bool written = write_failure_list(f, why) == VEK_WRITE_DONE;
    return std::fclose(f) == 0 && written;
}

// What replace_by_failure_list puts in place, and how it went.
struct Failure_Job {
    Failure_List* why;
    const Output_Pair* run;
    bool written;
};

// replace_by_failure_list with the folder's lock held.
static void replace_locked(const Output_Pair& o, void* context) {
    auto* job = static_cast<Failure_Job*>(context);
    job->written = false;
    const char* list = o.list.c_str();
    const std::string link = link_target(o.list);
    std::error_code ec;
    const auto kind = std::filesystem::symlink_status(o.list, ec).type();
    const bool there = kind != std::filesystem::file_type::not_found && kind != std::filesystem::file_type::none;
    int replaced = VEK_Replace_File(list, write_failure_list, nullptr, job->why, VEK_REPLACE_LINK);
    const bool full = errno == ENOSPC || errno == EDQUOT;
    const bool removed =
        replaced == VEK_REPLACE_FAILED &&
        (!there || (kind != std::filesystem::file_type::directory && std::remove(list) == 0));
    if (removed && full) {
        // On a full disc the room of the old list and plot file, and of this
        // run's own pair, which all go in any case, may take the short list.
        if (file_exists(o.plot)) std::remove(o.plot.c_str());
        if (job->run) Discard_Output_Pair(*job->run);
        replaced = VEK_Replace_File(list, write_failure_list, nullptr, job->why, VEK_REPLACE_LINK);
    }
    if (replaced == VEK_REPLACE_DONE || replaced == VEK_REPLACE_UNSYNCED) {
        tell_replaced_link(o.list, link);
        std::fprintf(stderr, "%s: the print list now says that no check was made\n", list);
        job->written = true;
    } else if (removed) {
        std::fprintf(stderr, "%s: no print list (the list saying why cannot be written either)\n", list);
    } else if (write_over_in_place(o.list, job->why)) {
        std::fprintf(stderr, "%s: the print list was written over in place; it says that no check was made\n",
                     list);
        job->written = true;
    } else {
        std::fprintf(stderr, "%s: the previous print list can neither be replaced nor removed; "
                             "it does not belong to this run\n", list);
        if (job->run) Discard_Output_Pair(*job->run);
        return;
    }
    if (file_exists(o.plot) && std::remove(o.plot.c_str()) != 0)
        std::fprintf(stderr, "%s: the previous plot file cannot be removed\n", o.plot.c_str());
    if (job->run) Discard_Output_Pair(*job->run);
}

// Puts the list that says why no check stands in place of the component's
// list, whole, and removes the plot file and whatever a run left waiting:
// no result of an earlier run may stand after a run that failed. A link in
// the list's place is replaced, as the list of a check replaces it; the file
// it names stays as it was. When that list cannot be written (a full disc),
// the old list is removed (on a full disc, with the old plot file and this
// run's pair, and the list is tried once more in the room they leave);
// when it cannot be removed either (a folder that takes no changes), it is
// written over in place. The plot file goes once
// the list no longer shows an old result. All of it under the folder's
// lock: another run's renames must not come between, and when another run
// holds the folder past the wait nothing is changed (its pair is its own).
// The console says what stands. `run`: the temporaries and pending list of
// this run's pair that failed, which go once the list that says why stands
// (null: none). True when the list that says why is in place.
bool replace_by_failure_list(const Failure_List& why, const Output_Pair* run) {
    const Output_Pair o = component_pair();
    if (o.list.empty()) return false;
    Failure_Job job{const_cast<Failure_List*>(&why), run, false};
    if (Change_Output_Pair(o, replace_locked, &job) == PAIR_FAILED) {
        std::fprintf(stderr, "%s: no list saying why: %s\n", o.list.c_str(), kLeftToTheHolder);
        return false;
    }
    return job.written;
}

// The component's list of the record, or, when it cannot be written, the
// list that says so; at the screen a box says what stands, and, for the
// list of an input just saved (`saved`), that the input was saved all the
// same. COMPONENT_FILE_DONE, _UNCONFIRMED (the list stands, its folder's
// sync failed) or _FAILED.
static int write_component_list(SchweissnahtAnschluss* r, bool round_trip, bool saved, const OliSource* source) {
    std::string why;
    Output_Pair_Claim run(component_pair());
    const int result = write_list_and_plot(r, round_trip, &run.pair, source, &why);
    const int written = result == LIST_FOLDER_HELD ? int{COMPONENT_FILE_FAILED} : result;
    const bool screen = !VEK_Batch_Mode();
    if (written == COMPONENT_FILE_FAILED) {
        // The reason begins with the file that failed; the heading names it.
        const char* headline = why.rfind("Plotdatei ", 0) == 0 ? "Die Plotdatei konnte nicht geschrieben werden!"
                                                               : "Die Druckliste konnte nicht geschrieben werden!";
        if (result != LIST_FOLDER_HELD)
            replace_by_failure_list({headline, why, "Es liegt kein Nachweis vor."}, &run.pair);
        if (screen && saved)
            PrintMessage("%s\n%s\n%s", headline, why.c_str(), "Die Eingabedaten wurden gespeichert.");
        else if (screen)
            PrintMessage("%s\n%s", headline, why.c_str());
    } else if (written == COMPONENT_FILE_UNCONFIRMED && screen) {
        PrintMessage("%s\n%s\n%s",
                     "Die Druckliste wurde geschrieben, ihre dauerhafte Ablage ist aber nicht bestätigt!"_cp,
                     why.c_str(), "Nach einem Stromausfall kann dort wieder die bisherige Druckliste stehen."_cp);
    }
    return written;
}

// The identity of the input text the record would be saved as: that of
// the edits a list of the pages is made from (no file holds them).
static OliSource edits_source(SchweissnahtAnschluss* r) {
    char* text = nullptr;
    size_t size = 0;
    OliSource source;
    FILE* out = open_memstream(&text, &size);
    if (!out) return source;
    SchweissnahtAnschluss saved{};
    Record_As_Saved(r, &saved);
    const bool written = Write_Input_Text(out, &saved) == SCHWEISSNAHT_TEXT_OK;
    Free_Schweissnaht(&saved);
    if (std::fclose(out) == 0 && written && text)
        source = OLI_Source_Of_Bytes(component_file(Kontext.input_name).c_str(), text, size);
    std::free(text);
    return source;
}

// The edits' identity as the window opened the input file: pages that
// still hold it are the file's, whose bytes their text need not repeat (a
// name padded to its field, say).
static OliSource s_opened_edits;

// The identity of the input a list of the pages is made from: the input
// file's while the pages hold what it gave, else the edits' own.
static OliSource pages_source(SchweissnahtAnschluss* r) {
    const OliSource edits = edits_source(r);
    const bool opened = edits.size >= 0 && edits.size == s_opened_edits.size && edits.digest == s_opened_edits.digest;
    return opened && s_input_source.size >= 0 ? s_input_source : edits;
}

int Write_Print_List(void) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    if (VEK_Batch_Mode()) return write_component_list(r, false, false, &s_input_source);
    Connection_Sheet_to_Record(r);
    const OliSource edits = pages_source(r);
    const int written = write_component_list(r, true, false, &edits);
    Record_to_Sheet(r);
    return written;
}

int Write_Saved_Print_List(void) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    // The list is the saved file's: it carries the bytes that file holds.
    int error = 0;
    FILE* f = open_input(&error);
    Note_Input_Source(f);
    if (f) std::fclose(f);
    return write_component_list(&Schweissnaht_Anschluss, false, true, &s_input_source);
}

void Note_Opened_Input(void) {
    if (VEK_Batch_Mode()) return;
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    Connection_Sheet_to_Record(r);
    s_opened_edits = edits_source(r);
    Record_to_Sheet(r);
    if (s_input_source.size < 0) return;
    const std::string list = native_base_path(Print_List_Suffix);
    OliSource named;
    if (list.empty() || !OLI_List_Source(list.c_str(), &named)) return;
    if (named.size == s_input_source.size && named.digest == s_input_source.digest) return;
    const std::string list_file = component_file(Kontext.list_name), input_file = component_file(Kontext.input_name);
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("Die Druckliste %s gehört nicht zur Eingabedatei %s:"_cp, list_file.c_str(), input_file.c_str());
    Fill_Message("%s", "sie wurde aus anderen Eingabedaten geschrieben, die Datei danach geändert."_cp);
    Fill_Message("%s", "Beim Beenden mit Speichern wird sie neu geschrieben.");
    Draw_Message();
}

void Recover_Component_Output(void) {
    const Output_Pair o = component_pair();
    if (o.list.empty()) return;
    const int recovery = Recover_Output_Pair(o);
    if (recovery == PAIR_COMPLETED)
        std::fprintf(stderr, "%s: the print list and plot file of a run that was cut off were put in place\n",
                     o.list.c_str());
    else if (recovery == PAIR_STUCK)
        std::fprintf(stderr, "%s: a run that was cut off left its new print list as %s; it cannot be put in place "
                             "(%s)\n", o.list.c_str(), o.list_new.c_str(), std::strerror(errno));
    if (!Output_Pair_Kept(o)) return;
    if (Put_Back_Output_Pair(o) == PAIR_DONE)
        std::fprintf(stderr, "%s: the print list and plot file of the saved input were put back (a run was cut off "
                             "while the plan editor had those of its edits)\n", o.list.c_str());
    else
        std::fprintf(stderr, "%s: the print list and plot file of the saved input cannot be put back (%s); they "
                             "wait as %s\n", o.list.c_str(), std::strerror(errno), o.list_saved.c_str());
}

int Keep_Saved_Output(void) {
    const Output_Pair o = component_pair();
    std::string kept_by;
    if (!o.list.empty() && Keep_Output_Pair(o, &kept_by) == PAIR_DONE) return COMPONENT_FILE_DONE;
    // The pair is read to be kept: a folder another run holds is no
    // failure to read.
    const int error = errno;
    const std::string why =
        error == EBUSY && !kept_by.empty()
            ? "Plotdatei " + plot_file_name() + ": noch mit der Druckliste " + kept_by + " gesichert"
            : "Druckliste " + component_file(Kontext.list_name) + ": " + file_error_text(error, error != EWOULDBLOCK);
    if (!VEK_Batch_Mode())
        PrintMessage("%s\n%s\n%s", "Die Druckliste und die Plotdatei können nicht gesichert werden!"_cp,
                     why.c_str(), "Das Planerstellungsmodul wird nicht gestartet."_cp);
    return COMPONENT_FILE_FAILED;
}

int Put_Back_Saved_Output(void) {
    const Output_Pair o = component_pair();
    if (Put_Back_Output_Pair(o) == PAIR_DONE) return COMPONENT_FILE_DONE;
    const std::string why = "Druckliste " + component_file(Kontext.list_name) + ": " + file_error_text(errno, false);
    std::fprintf(stderr, "%s: the print list and plot file of the saved input cannot be put back (%s)\n",
                 o.list.c_str(), std::strerror(errno));
    // The edits' pair must not pass for the saved input's.
    const bool replaced = replace_by_failure_list(
        {"Die Druckliste konnte nicht zurückgelegt werden!"_cp, why, "Es liegt kein Nachweis vor."});
    // Where the list that says why could not take the edits' place, the
    // kept pair is the only one of the saved input: it waits for the next
    // run, which puts it back.
    if (replaced) {
        remove_file(o.list_saved);
        remove_file(o.plot_saved);
    }
    if (!VEK_Batch_Mode())
        PrintMessage("%s\n%s\n%s", "Die Druckliste und die Plotdatei der gespeicherten Eingaben konnten nicht "
                                   "zurückgelegt werden!"_cp,
                     why.c_str(),
                     replaced ? "Die Druckliste des Bauteils sagt nun, dass kein Nachweis vorliegt."
                              : "Die Druckliste des Bauteils gehört nicht zu den gespeicherten Eingaben."_cp);
    return COMPONENT_FILE_FAILED;
}

int Write_Temporary_Print_List(char* path, int size) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    if (!path || size < 1) return COMPONENT_FILE_FAILED;
    path[0] = '\0';
    const char* dir = VEKGetEnv("TEMP");
    if (!dir) dir = std::getenv("TMPDIR");
    if (!dir || !*dir) dir = "/tmp";
    // The component's own list name, without the folder the identifier may
    // carry: the viewer shows it, and the next preview replaces it.
    const std::string name = component_file(Kontext.list_name);
    char joined[VEK_MAX_PATH + 1], native[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(joined, sizeof joined, dir, name.c_str()) || !VEK_Native_Path(native, sizeof native, joined) ||
        std::strlen(native) >= static_cast<size_t>(size))
        return COMPONENT_FILE_FAILED;
    Output_Pair_Claim run(Make_Output_Pair(native, ""));
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    if (!VEK_Batch_Mode()) Connection_Sheet_to_Record(r);
    // It carries the identity of the input the pages would save, as the
    // component's list of that input would: a preview of the input as
    // opened is that list byte for byte. A preview's list whose folder's
    // sync failed stands all the same.
    const OliSource edits = VEK_Batch_Mode() ? s_input_source : pages_source(r);
    const int result = write_list_and_plot(r, !VEK_Batch_Mode(), &run.pair, &edits, nullptr);
    const bool written = result != COMPONENT_FILE_FAILED && result != LIST_FOLDER_HELD;
    if (!VEK_Batch_Mode()) Record_to_Sheet(r);
    if (!written) return COMPONENT_FILE_FAILED;
    std::snprintf(path, static_cast<size_t>(size), "%s", native);
    return COMPONENT_FILE_DONE;
}
