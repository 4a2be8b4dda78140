# The console line of a damaged model file.
tavernrush_add_test(NAME model_import_report_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImportReportGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelTestFiles.cpp
  LIBS PkgConfig::STB)
