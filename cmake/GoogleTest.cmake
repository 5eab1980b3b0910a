# GoogleTest and gMock built from source with the including project's compiler and flags, from
# CLIKPAD_GTEST_DIR when that holds a source tree; otherwise an installed GoogleTest.
set(CLIKPAD_GTEST_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(EXISTS "${CLIKPAD_GTEST_DIR}/CMakeLists.txt")
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory("${CLIKPAD_GTEST_DIR}" googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
