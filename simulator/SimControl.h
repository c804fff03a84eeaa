#pragma once

/* Control interface of the simulated Pellix interface unit and Brannoc decoder.
 *
 * The simulator is a drop-in D2XX library (libftd2xx.so, or Ftd2xx.dll on Windows) that also
 * exports these functions. Tests and demos link against the same library the program loads at run
 * time, so they can set the decoder up, inject faults and read back every call the program made.
 * Every setting returns to its default with sim_reset(). The state is process-wide and is meant to
 * be used from one thread. */

#include <stdint.h>

#if defined(_WIN32)
#if defined(TOLVANE_SIM_BUILD)
#define SIM_API __declspec(dllexport)
#else
#define SIM_API __declspec(dllimport)
#endif
#else
#define SIM_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Number of settings bytes the decoder holds; settings byte i travels in frame byte i + 1. */
#define SIM_SETTINGS_SIZE 15
/* Most bytes kept per logged call. */
#define SIM_MAX_LOGGED_BYTES 64

/* Back to the power-on state: device plugged in and closed, the default decoder settings,
 * no faults, byte timing off, empty call log, empty queues. */
SIM_API void sim_reset(void);

/* The decoder's settings (15 bytes, frame bytes 1 to 15 of its reply). */
SIM_API void sim_set_settings(const uint8_t settings[SIM_SETTINGS_SIZE]);
SIM_API void sim_get_settings(uint8_t settings[SIM_SETTINGS_SIZE]);
/* Convenience: the kind byte (settings byte 1). */
SIM_API void sim_set_kind(uint8_t kind);

/* Unplugged: no device is listed, FT_ListDevices and FT_Open fail. */
SIM_API void sim_set_plugged(int plugged);

/* Make entry point `name` (e.g. "FT_Read") return `status` on its `nth` call from now (1 = the
 * next call); `nth` 0 makes every call from now fail. One rule per entry point; status 0 clears it.
 */
SIM_API void sim_fail_call(const char* name, uint32_t nth, uint32_t status);

/* The decoder no longer answers (the line still echoes what is written). */
SIM_API void sim_set_silent(int silent);
/* Corrupt the checksum of the next `count` replies. */
SIM_API void sim_corrupt_replies(uint32_t count);
/* The decoder answers read requests but ignores write frames. */
SIM_API void sim_set_ignore_writes(int ignore);
/* After every reply the decoder adds `delta` to frame byte `frameByte` (1 to 15) of its settings,
 * as a decoder does with a status or counter byte; delta 0 turns it off. */
SIM_API void sim_set_drift(uint32_t frameByte, uint8_t delta);
/* Deliver only the first `bytes` bytes of every reply (0 turns it off). */
SIM_API void sim_set_short_replies(uint32_t bytes);
/* Whether the decoder answers a write frame with a 17-byte acknowledgement of its own (on by
 * default); it stays in the receive queue until the next purge. */
SIM_API void sim_set_write_ack(int enabled);
/* Byte timing of 9600 baud 8E2: every byte takes 1.25 ms on the line (off by default). */
SIM_API void sim_set_byte_timing(int enabled);

/* Line settings as the last FT_Open / FT_Set* calls left them. */
typedef struct SimLine {
    int open;
    uint32_t baud;
    uint32_t readTimeoutMs;
    uint32_t writeTimeoutMs;
    uint8_t wordLength;
    uint8_t stopBits;
    uint8_t parity;
} SimLine;
SIM_API void sim_get_line(SimLine* line);

/* Frames the decoder has taken in since the reset: read requests and write frames it understood. */
SIM_API uint32_t sim_read_requests(void);
SIM_API uint32_t sim_write_frames(void);

/* One call the library received. Arguments are those of the entry point, in order, widened to
 * 64 bits (pointers as addresses). `bytes` holds the bytes written (FT_Write) or delivered
 * (FT_Read); `waitedMs` is how long the call waited for data. */
typedef struct SimCall {
    char name[32];
    uint64_t args[5];
    uint32_t status;
    uint32_t byteCount;
    uint8_t bytes[SIM_MAX_LOGGED_BYTES];
    uint32_t waitedMs;
} SimCall;
SIM_API uint32_t sim_call_count(void);
/* Copies call `index` (0 = first since the reset); returns 0 when there is no such call. */
SIM_API int sim_get_call(uint32_t index, SimCall* call);
SIM_API void sim_clear_log(void);

#ifdef __cplusplus
}
#endif
