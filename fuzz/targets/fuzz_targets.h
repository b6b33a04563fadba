// The fuzz targets' entry points. Each plays one input and returns what went
// wrong, "" when nothing did. libFuzzer calls them through
// libfuzzer_entry.cpp, which aborts on a failure; the native unit tests replay
// the seed corpora and the inputs of found faults through the same functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sc::fuzz {

// A program of operations against a started main window: manager notices
// (raw payloads and well-formed ones cut at any length), time, clicks, volume
// broadcasts (well-formed and raw, through the record decoder), the robot's
// registry changing, the responder declining a disc, and turns inside the
// "Occupied" box. The walker's invariants are checked after every operation,
// over the whole window and over the job machine alone, and the two must send
// the same commands.
std::string PlayNoticeProgram(const std::uint8_t* data, std::size_t size);

// A registry filled from the input (any type, size and bytes, names longer
// than their buffers, keys missing or denied), then every reader of it.
std::string ReadHostileRegistry(const std::uint8_t* data, std::size_t size);

// Any event code and any record, held in a block of exactly its size.
std::string DecodeDeviceChange(const std::uint8_t* data, std::size_t size);

// Manager command lines with writer texts of any bytes, built directly and by
// the main window.
std::string BuildCommandLines(const std::uint8_t* data, std::size_t size);

}  // namespace sc::fuzz
