// The profile file PROFIL: 160-byte little-endian records sorted by their
// upper-case designations (16 bytes designation, 35 float32 values in cm
// units, 4 code bytes whose last is the type letter; data/README tells which
// value index holds what). One record reader for every reader of the file:
// the records are counted from the file size, every read is checked, and a
// designation matches a key only as a whole.
#ifndef PROFILES_PROFIL_FILE_H
#define PROFILES_PROFIL_FILE_H

#include <cstdio>
#include <string>
#include <vector>

enum {
    PROFIL_RECORD_SIZE = 160,
    PROFIL_NAME_BYTES = 16,
    PROFIL_KEY_LENGTH = 15,  // designations are compared on their first 15 bytes
    PROFIL_VALUE_COUNT = 35,
    PROFIL_CODE_BYTES = 4,
};

struct ProfilRecord {
    char name[PROFIL_NAME_BYTES + 1];  // the 16 stored bytes, terminated
    float values[PROFIL_VALUE_COUNT];
    char code[PROFIL_CODE_BYTES + 1];  // bytes 156..159 terminated; code[3] is the type letter
};

// Opens "PROFIL" in the directory data_dir for reading ("rb"). Null when
// data_dir is null or empty, the path is too long or the file cannot be
// opened; then *why (when given) says so in words: "nicht vorhanden",
// "nicht vorhanden (DATA nicht gesetzt)", "nicht lesbar (keine Datei)".
FILE* Open_Profil_File(const char* data_dir, std::string* why = nullptr);
// The same for the profile file file_name in data_dir (ProfilData.bin).
FILE* Open_Profile_Data_File(const char* data_dir, const char* file_name, std::string* why);

// Number of whole records in the file (its size / 160); a partial record at
// the end does not count. 0 for a null stream or when the size is unknown.
// Leaves the position unspecified.
long Profil_Record_Count(FILE* file);

// Reads record number index (0-based) into record. 1 on success; 0 when the
// record lies beyond the end, a read fails or an argument is null (record
// then unchanged). A record whose section values disagree with its own
// dimensions (Profil_Record_Plausible) is read with every value not a
// number, so that nothing of it is ever used.
int Read_Profil_Record(FILE* file, long index, ProfilRecord* record);

// Why the file does not read as a profile file, in words for a notice
// ("beschädigt: 1 Byte, keine ganze Zahl von Sätzen zu 160 Bytes",
// "beschädigt: Satz 8 \"HE100A\" steht nach Satz 7 \"IPE600\", nicht nach
// Namen sortiert", "beschädigt: Satz 7 \"HE100A\" ist kein Profil
// (Typbuchstabe, Byte 159: 0x58 'X')"); "" when its size is a whole number
// of records, at least one, every record has a designation of printable
// characters and a type letter of the catalogue, and the designations
// ascend (one may stand twice in a row). A file cut short, shifted by a
// byte, with a record moved or one put in fails: the look-ups by bisection
// rely on the order. The survey of the whole file behind it is made once
// per file and kept (Profile_File_Identity_Of tells a file changed since).
std::string Profil_File_Damage(FILE* file);

// What tells one state of an open profile file from another: the file (its
// device and number), its size, and the times of its last change, to the
// nanosecond. A survey of a file is kept under it, so that the look-ups of
// a run read the whole file once and not at each look-up.
struct Profile_File_Identity {
    unsigned long long device, inode;
    long long size, modified_s, modified_ns, changed_s, changed_ns;
    bool operator==(const Profile_File_Identity&) const = default;
};
// 1 with *identity filled; 0 when the stream is null or the file cannot be
// asked (then nothing may be kept for it).
int Profile_File_Identity_Of(FILE* file, Profile_File_Identity* identity);
// The same of the profile file PROFIL in data_dir without opening it (no
// allocation), for those who keep what they read of it: 1 with *identity
// filled; 0 when data_dir is null or empty, the path too long, or no
// regular file is there.
int Profil_File_Identity_At(const char* data_dir, Profile_File_Identity* identity);
// Forgets the surveys kept, as at the start of a run.
void Forget_Profil_Surveys(void);

// What one pass over a profile file found, kept under the file's identity:
// Of gives the one kept while the file is unchanged, else make(file) anew,
// kept when the file can be told again (Profile_File_Identity_Of).
template <class Survey>
struct Kept_File_Survey {
    bool valid = false;
    Profile_File_Identity identity{};
    Survey survey{};
    template <class Make>
    const Survey& Of(FILE* file, Make make) {
        Profile_File_Identity now{};
        const bool known = Profile_File_Identity_Of(file, &now) == 1;
        if (known && valid && identity == now) return survey;
        survey = make(file);
        identity = now;
        valid = known;
        return survey;
    }
};

// Builds the 15-character comparison key of a stored designation or of a
// name: the first 15 bytes upper-cased, a shorter text blank-padded. key
// needs 16 bytes; a null text gives 15 blanks.
void Profil_Key(const char* text, char* key);

// Finds the record whose 15-byte key equals key (15 characters, as
// Profil_Key makes it). Returns its 0-based number with the record filled,
// or -1 when none matches, the record's designation is longer than its key
// (Profil_Name_Overlong), the file is damaged (Profil_File_Damage), the
// key stands on more than one record (Profil_Name_Twice names them: which
// of them would be meant cannot be told, and the look-ups by bisection
// would take either), a read fails or the record found holds a value that
// is no finite number (Profil_Values_Usable reports it). *refusal (when
// given) gets the words of a record or name refused in this look-up for the
// print list, else "". The designations and order come from the survey of
// the file (made once per file and state); only the record found is read.
long Find_Profil_Record(FILE* file, const char* key, ProfilRecord* record, std::string* refusal = nullptr);

// 1 when all count values are finite numbers. Else 0, and the user is told
// which profile and which value (index from 0) make the record unusable: a
// box in an interactive run, a line on stderr in batch mode, once per
// profile name and run; for a record refused by Profil_Record_Plausible the
// value that disagrees and what the dimensions give. A damaged value must
// never reach a check, where it would give "nan" and pass the maximum of the
// utilisations unseen.
int Profil_Values_Usable(const char* name, const float* values, int count);
// The outline check of a record just read (catalogue_plausibility.h): count
// PROFIL_VALUE_COUNT values in the order of PROFIL, or those of the profile
// manager's file (PROFILDATA_VALUE_COUNT, with its type code). 1 when they
// agree or the family is not judged. Else 0: every value becomes not a
// number and the disagreement is kept for the notice of Profil_Values_Usable.
// A record whose type letter is of no family (Is_Catalogue_Family_Letter;
// the profile manager's type codes 10 to 15 come as letter 0) is refused
// alike; record is its 1-based number in the file for the notice, or -1.
// The record is held to what its designation states as well (a
// ProfilData.bin record's alias, when given, too).
// A record is judged once per process: the same record read again (every
// look-up of a profile reads it) takes the judgement it had.
int Profil_Record_Plausible(const char* name, char letter, int code, float* values, int count, long record = -1,
                            const char* alias = nullptr);
// How many records have been judged against their outlines in this
// process, each once.
long Profil_Records_Judged(void);
// Tells the user once per name and run that the designation `name` stands
// on more than one record of the profile file `file` ("PROFIL",
// "ProfilData.bin"; the records' 0-based numbers), and keeps why for
// Profil_Refusal ("steht zweimal in der Profildatei PROFIL (Satz 12 und
// 13)").
void Profil_Name_Twice(const char* file, const char* name, const std::vector<long>& records);
// Tells the user once per name and run that the designation asked for as
// key (its 15 characters) is the beginning of the longer one that record
// `record` (0-based) stores in all 16 bytes (stored: "MYCOLUMN1234567X"
// for "MYCOLUMN1234567"), and keeps why for Profil_Refusal ("Satz 3
// \"MYCOLUMN1234567X\": die Bezeichnung hat 16 Zeichen, die Profildatei
// unterscheidet 15"). A look-up compares 15 characters, and would take the
// record for the shorter name.
void Profil_Name_Overlong(const char* key, long record, const char* stored);
// Why the record of the profile `name` was refused in this run, as the
// notice of Profil_Values_Usable says it after the profile's name ("Wert Nr.
// 13 = 27340 passt nicht zu den Abmessungen (13679.2)"), or why the name
// was (Profil_Name_Twice); "" when none was.
std::string Profil_Refusal(const char* name);
// Forgets which profiles were named and why, as at the start of a run.
void Forget_Profil_Value_Notices(void);

#endif
