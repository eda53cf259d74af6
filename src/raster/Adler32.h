#pragma once
// The Adler-32 checksum that closes a zlib stream, sixteen bytes a step: zlib's own takes one
// byte at a time, and a big picture's rows cost it a good part of the time of compressing them.

#include <cstddef>
#include <cstdint>

// The checksum of data following on from adler (1 for none before), as zlib's adler32 gives it.
uint32_t Adler32(uint32_t adler, const uint8_t* data, std::size_t size);
