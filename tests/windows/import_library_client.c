/* Linked as a Windows developer links against Ocel400.h and libOcel400.dll.a,
 * it takes every export's address, so the link has to resolve each one. Run, it
 * calls those that need no camera: a caller and a callee that disagreed about
 * who removes the arguments would corrupt its stack. */
#include <stdio.h>

#include "Ocel400.h"
#include "export_names.h"

typedef void (*any_function)(void);

static int expect(const char *call, unsigned actual, unsigned expected) {
  if (actual == expected) return 0;
  fprintf(stderr, "%s returned %u, not %u\n", call, actual, expected);
  return 1;
}

int main(void) {
#define OCEL400_EXPORT_NAME(name) (any_function) name,
  volatile any_function every_export[] = {OCEL400_FOR_EACH_EXPORT};
#undef OCEL400_EXPORT_NAME
  int failures = 0;
  for (int round = 0; round < 1000; ++round) {
    failures += expect("PortInitEx(9, ...)", PortInitEx(9, OCEL400_MODEL_1, OCEL400_PAL, 9600, 0),
                       OCEL400_BAD_PORT_NUMBER);
    failures += expect("LastResult()", LastResult(), OCEL400_BAD_PORT_NUMBER);
    failures += expect("PortInit(0)", PortInit(0), OCEL400_BAD_PORT_NUMBER);
    failures += expect("SelectArea(31, 6)", SelectArea(31, 6), OCEL400_BAD_ARGUMENT);
    if (failures) break;
  }
  printf("%u exports linked; %s\n", (unsigned)(sizeof every_export / sizeof every_export[0]),
         failures ? "calls FAILED" : "calls returned as expected");
  return failures ? 1 : 0;
}
