// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A strict reading of a MIDI file's structure, done before the bytes reach
// the synthesiser. The software synthesiser trusts every length and count it
// reads: given a tune whose data a bad sector turned to noise, it stops the
// program answering and grows its memory without end. A tune that fails here
// is treated as unreadable, and the program goes on without music.
#include <cstdint>
#include <span>

// True when bytes begin like a MIDI file: bare, or in a RIFF wrapper.
bool looks_like_midi(std::span<const std::uint8_t> bytes);

// True when the file is a whole Standard MIDI File (bare, or the data chunk
// of a RIFF wrapper): a header of format 0, 1 or 2 with a non-zero division,
// as many track chunks as it announces, every chunk inside the file, and each
// track a run of well-formed events (channel messages with their data bytes,
// running status only after one, meta and system exclusive events whose
// lengths stay in the track) that ends with End of Track exactly at the end
// of its chunk.
bool midi_is_well_formed(std::span<const std::uint8_t> bytes);
