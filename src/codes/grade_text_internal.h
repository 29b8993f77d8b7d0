// Reading one record of the concrete and reinforcing-steel grade modules from
// the versioned text form, all or nothing; not for other modules.
//
// A record begins with its structure version, or, when it was written before
// structure versions, directly with its name. The reader reads into the
// caller's scratch copy; when a value is missing or damaged (a number that is
// not finite, a switch other than 0 or 1, a name longer than its field or
// with a control character, a structure newer than the program knows)
// Refuse puts the read file back where the record began, closes what Begin
// opened and reports the line of the damage, so that the caller can leave
// its record untouched.
#ifndef CODES_GRADE_TEXT_INTERNAL_H
#define CODES_GRADE_TEXT_INTERNAL_H

#include <cstddef>
#include <cstdint>

// Introduction version of a value that every version of a record holds.
inline constexpr double Grade_Text_Always = -1e300;

class Grade_Text_Read {
public:
    // what names the record in the report ("Betongüte"); highest is the newest
    // structure version this program knows.
    Grade_Text_Read(const char* what, double highest);
    // The structure version (when there is one) and the name, bounded to
    // size - 1 characters. False on failure.
    bool Begin(char* name, size_t size);
    // A finite double; a value newer than the record gives default_value.
    bool Number(double* value, const char* field, double introduced = Grade_Text_Always,
                double default_value = 0.0);
    // An int that is 0 or 1; a value newer than the record gives default_value.
    bool Switch(int32_t* value, const char* field, double introduced, int default_value);
    // Closes what Begin opened.
    void End();
    // Refuses the record for field (null: the field that failed last): the
    // read file back at the record's start, the level closed, the report
    // "FEHLER: <what> in Zeile <n> nicht lesbar (<field>)!". Returns 1.
    int Refuse(const char* field = nullptr);

private:
    const char* what_;
    double highest_;
    long start_ = -1;
    bool pushed_ = false;    // a structure level was read and pushed
    bool emulated_ = false;  // a record without structure version: level 0
    double saved_version_ = 0.0;
    const char* failed_ = "Name";
};

#endif
