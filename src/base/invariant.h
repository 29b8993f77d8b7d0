// Invariant checks of the engines' single global models (the thin-walled
// model store, the cached general sections, the profile catalogue's store,
// the connection record).
//
// Each engine has one checking function per model; it states every
// invariant with WELD_INVARIANT and ends the program with a message naming
// the broken one. The engines call their checks at the end of their public
// entry points through WELD_CHECK_AT_EXIT, which the Debug and sanitizer
// builds compile in (WELD_CHECK_INVARIANTS: set where NDEBUG is not, and by
// the sanitizer build) and every other build leaves out, so the release
// program does no extra work. The checking functions themselves are always
// compiled.
#ifndef BASE_INVARIANT_H
#define BASE_INVARIANT_H

#if !defined(NDEBUG) && !defined(WELD_CHECK_INVARIANTS)
#define WELD_CHECK_INVARIANTS 1
#endif

// Writes "invariant broken: <model>: <invariant> (file:line)" to stderr and
// aborts.
[[noreturn]] void Invariant_Failed(const char* model, const char* invariant, const char* file, int line);

// States an invariant of model: when cond is false the program ends with
// its name.
#define WELD_INVARIANT(model, cond, name)                                   \
    do {                                                                     \
        if (!(cond)) Invariant_Failed((model), (name), __FILE__, __LINE__); \
    } while (0)

// Entry points running at the moment. Only the outermost one checks when it
// is left: an entry point called by another leaves the models half-way
// through the caller's work, and the solvers call the section engine's
// entry points thousands of times per result.
extern int Invariant_Entry_Depth;

#ifdef WELD_CHECK_INVARIANTS
// Runs the check when the outermost entry point is left, whichever return
// it takes.
template <typename Check>
struct Invariant_At_Exit {
    explicit Invariant_At_Exit(Check c) : check(c) { ++Invariant_Entry_Depth; }
    Invariant_At_Exit(const Invariant_At_Exit&) = delete;
    Invariant_At_Exit& operator=(const Invariant_At_Exit&) = delete;
    ~Invariant_At_Exit() {
        if (--Invariant_Entry_Depth == 0) check();
    }
    Check check;
};
#define WELD_CHECK_AT_EXIT(call) const Invariant_At_Exit weld_invariant_at_exit_([=] { call; })
#else
#define WELD_CHECK_AT_EXIT(call) static_cast<void>(0)
#endif

// The call in the builds that check invariants, nothing in the others: for
// the result of an entry point, checked just before it is handed out.
#ifdef WELD_CHECK_INVARIANTS
#define WELD_CHECK(call) call
#else
#define WELD_CHECK(call) static_cast<void>(0)
#endif

#endif
