# Project-wide warning set; third-party headers come in as SYSTEM includes so
# only our own code has to be clean.
add_library(tavernrush_warnings INTERFACE)
target_compile_options(tavernrush_warnings INTERFACE -Wall -Wextra -Wpedantic)
