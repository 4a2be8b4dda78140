#pragma once
// Without a sound device, OpenAL Soft and the ALSA library it plays through
// print their own error lines ("AL lib: (EE) ...", "ALSA lib ...") beside the
// game's one "Sound is off" line, which already says it. They are kept quiet
// unless the player has asked for OpenAL's log (ALSOFT_LOGLEVEL or
// ALSOFT_LOGFILE set), in which case both speak as usual.

namespace tavernrush {

// Call before the first OpenAL call, which reads the log level once, and
// before the process starts other threads: it sets an environment variable.
void quietSoundLibraries();

} // namespace tavernrush
