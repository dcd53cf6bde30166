// The double's one process-wide state: the call log, the value table, the
// scripted answers and the area rows. Single-threaded, like the library.
#ifndef OCEL_DOUBLE_STATE_H
#define OCEL_DOUBLE_STATE_H

#include <cstdint>
#include <string>

namespace ocel_double {

void resetState();

void logCall(std::string text);
int32_t callCount();
const char* callAt(int32_t index);  // nullptr outside 0...callCount()-1
void clearCalls();

void storeValue(const char* stem, double value);
void queueAnswer(const char* stem, double value);
// The oldest queued answer of the stem, else its table value (0 if unset).
double answerFor(const char* stem);

void storeAreaRow(int32_t row, int32_t mask);  // rows outside 0...5 are ignored
int32_t areaRow(int32_t row);                  // 0 outside 0...5

}  // namespace ocel_double

#endif  // OCEL_DOUBLE_STATE_H
