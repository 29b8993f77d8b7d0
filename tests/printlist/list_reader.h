// The viewer's reader of print lists, seen from the writers' tests: what it
// read of a list, in plain terms. (The viewer's own header cannot stand
// beside the paragraph writer's in one file, so the reading is done in a
// file of its own.)
#ifndef TESTS_PRINTLIST_LIST_READER_H
#define TESTS_PRINTLIST_LIST_READER_H

#include <string>
#include <vector>

struct ReadRecord {
    int number = 0;
    std::vector<double> values;
    std::string text;
    std::string data;
};

struct ReadParaLine {
    std::string text;
    double indent = 0.0;
    int mode = 0;
    std::vector<double> tabs;
    double space_after = 0.0;
};

// Block kinds as the reader names them: "CONTENTS", "NEWPAGE", "TABLE",
// "PARA", "GRAFIC", "YPOS", "MARGINS", "RESERVE", "BOOKMARK", "STOREYPOS",
// "RESTOREYPOS", "OTHER".
struct ReadBlock {
    std::string kind;
    int word = 0;
    double value = 0.0;
    std::vector<std::string> titles, below, lines;
    int columns = 0;
    std::vector<ReadParaLine> para;
    double extent[4] = {0, 0, 0, 0};
    std::vector<ReadRecord> records;
};

struct ReadList {
    int damaged = 0;
    std::vector<ReadBlock> blocks;
};

// Reads the bytes of a list as the viewer does.
ReadList Read_List(const std::string& bytes);

// The blocks of one kind.
std::vector<ReadBlock> Blocks_Of(const ReadList& list, const std::string& kind);

#endif
