/* Linked as a Windows developer links against Ocel400.h and libOcel400.dll.a,
 * it takes every export's address, so the link has to resolve each one. */
#include <stdio.h>

#include "Ocel400.h"
#include "export_names.h"

typedef void (*any_function)(void);

int main(void) {
#define OCEL400_EXPORT_NAME(name) (any_function) name,
  volatile any_function every_export[] = {OCEL400_FOR_EACH_EXPORT};
#undef OCEL400_EXPORT_NAME
  printf("%u exports linked\n", (unsigned)(sizeof every_export / sizeof every_export[0]));
  return 0;
}
