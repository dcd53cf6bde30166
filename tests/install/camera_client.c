/* A C program against the installed library: sets the sharpness given on
 * the command line on COM1's camera and prints what the camera then holds. */
#include <Ocel400.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  const uint16_t shape = (uint16_t)atoi(argv[1]);
  if (PortInitEx(1, OCEL400_MODEL_1, OCEL400_PAL, 9600, 0) != OCEL400_DONE ||
      SetShape(shape) != OCEL400_DONE) {
    fprintf(stderr, "camera_client: no camera on COM1 (result %u)\n", LastResult());
    return 1;
  }
  const unsigned held = GetShape();
  printf("Shape=%u\n", held);
  return LastResult() == OCEL400_DONE ? 0 : 1;
}
