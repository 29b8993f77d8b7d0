// Streams over bytes for the exchange-file and stored-text tests: a
// temporary stream holding given bytes, and everything a stream holds.
#ifndef TESTS_BASE_EXCHANGE_STREAMS_H
#define TESTS_BASE_EXCHANGE_STREAMS_H

#include <cstdio>
#include <string>

namespace exchange_test {

// A temporary stream holding bytes, rewound for reading.
inline FILE* Stream_Of(const std::string& bytes) {
    FILE* f = tmpfile();
    fwrite(bytes.data(), 1, bytes.size(), f);
    rewind(f);
    return f;
}

// All bytes of the stream from its start.
inline std::string Written(FILE* f) {
    std::string out;
    fflush(f);
    rewind(f);
    int c;
    while ((c = fgetc(f)) != EOF) out.push_back((char)c);
    return out;
}

}  // namespace exchange_test

#endif
