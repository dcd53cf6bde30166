# find_package(Ocel400): the imported target Ocel400::Ocel400, the camera
# control library with its header Ocel400.h.
include(${CMAKE_CURRENT_LIST_DIR}/Ocel400Targets.cmake)
