/*
 * Control functions of the recording double of libOcel400.so, for tests.
 * The double logs every camera call as text ("SetShape(131)", "GetShape()"),
 * stores what setters are given under their stem (the export name without
 * Set/Get: "Shape", "MGC", "MES") and answers getters from queued answers
 * first, then from that table (0 until set).
 */
#ifndef OCEL_DOUBLE_CONTROL_H
#define OCEL_DOUBLE_CONTROL_H

#include <stdint.h>

#define OCEL_DOUBLE_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* Clears the call log, the value table, the queued answers and the area rows. */
OCEL_DOUBLE_API void OcelDouble_Reset(void);
/* The table value of a stem, answered by its getter when nothing is queued. */
OCEL_DOUBLE_API void OcelDouble_SetValue(const char* stem, double value);
/* One answer for the next call of the stem's getter; answers queue FIFO. */
OCEL_DOUBLE_API void OcelDouble_QueueAnswer(const char* stem, double value);
/* The mask ReadArea(row) answers, rows 0...5 (others are ignored). */
OCEL_DOUBLE_API void OcelDouble_SetArea(int32_t row, int32_t mask);
OCEL_DOUBLE_API int32_t OcelDouble_CallCount(void);
/* The text of call number index (from 0), valid until the next call into the
 * double; NULL when there is no such call. */
OCEL_DOUBLE_API const char* OcelDouble_Call(int32_t index);
OCEL_DOUBLE_API void OcelDouble_ClearCalls(void);

#ifdef __cplusplus
}
#endif

#endif /* OCEL_DOUBLE_CONTROL_H */
