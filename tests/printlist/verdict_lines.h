// Reading verdict markers back from a print list: its text lines, and the
// exact bytes each short marker is made of.
#ifndef TESTS_PRINTLIST_VERDICT_LINES_H
#define TESTS_PRINTLIST_VERDICT_LINES_H

#include <string>
#include <vector>

// The text lines of a print list, without the leading blank the writer puts
// before each; paragraph heads and keywords are left out.
inline std::vector<std::string> Text_Lines(const std::string& raw) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < raw.size()) {
        size_t end = raw.find('\n', pos);
        if (end == std::string::npos) end = raw.size();
        const std::string line = raw.substr(pos, end - pos);
        if (!line.empty() && line[0] == ' ') out.push_back(line.substr(1));
        pos = end + 1;
    }
    return out;
}

inline std::string Ok() { return std::string("\xCE{C 1 40 140 255}\xCEHok\xCE{C 768}"); }
inline std::string NotOk() { return std::string("\xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}"); }
inline std::string Alert() { return std::string("\xCE{C 1 230 0 0}\xCEH!!\xCE{C 768}"); }
inline std::string Note() { return std::string("\xCE{C 1 40 140 255}\xCEH!!\xCE{C 768}"); }
inline std::string EC3() { return std::string("\xCE{C 1 230 0 0}EC 3-Bedingung !!\xCE{C 768}"); }

#endif
