# The fuzz targets: one harness per reader of outside input, and the game
# sources each reader is made of. The fuzz build (tests/fuzz/CMakeLists.txt)
# compiles these sources with libFuzzer's instrumentation; the everyday and
# sanitizer builds link the same harnesses against the game's libraries to
# replay the committed corpora (tests/fuzz/corpus_replay.cmake).
#
# Each target NAME has tests/fuzz/<harness>, tests/fuzz/corpus/NAME/ and,
# where the format has keywords, tests/fuzz/NAME.dict.
set(TAVERNRUSH_FUZZ_TARGETS settings controls records level_file dds_header image obj_import snapshot replay_script run_file)

set(TAVERNRUSH_FUZZ_settings_HARNESS SettingsFuzz.cpp)
set(TAVERNRUSH_FUZZ_settings_SOURCES
  src/app/Settings.cpp src/app/RegularFile.cpp src/app/Controls.cpp src/app/KeyNames.cpp src/game/Action.cpp)

set(TAVERNRUSH_FUZZ_controls_HARNESS ControlsFuzz.cpp)
set(TAVERNRUSH_FUZZ_controls_SOURCES src/app/Controls.cpp src/app/KeyNames.cpp src/game/Action.cpp)

set(TAVERNRUSH_FUZZ_records_HARNESS RecordsFuzz.cpp)
set(TAVERNRUSH_FUZZ_records_SOURCES src/app/Records.cpp src/app/AtomicFile.cpp src/app/RegularFile.cpp src/game/LevelFile.cpp)

set(TAVERNRUSH_FUZZ_level_file_HARNESS LevelFileFuzz.cpp)
set(TAVERNRUSH_FUZZ_level_file_SOURCES src/game/LevelFile.cpp)

set(TAVERNRUSH_FUZZ_dds_header_HARNESS DdsHeaderFuzz.cpp)
set(TAVERNRUSH_FUZZ_dds_header_SOURCES
  src/render/DdsHeader.cpp src/render/ImageFile.cpp src/render/ImageFileBytes.cpp src/render/ImageFileJpeg.cpp
  src/render/StartupSteps.cpp)

set(TAVERNRUSH_FUZZ_image_HARNESS ImageFuzz.cpp)
set(TAVERNRUSH_FUZZ_image_SOURCES
  src/render/DdsHeader.cpp src/render/ImageFile.cpp src/render/ImageFileBytes.cpp src/render/ImageFileJpeg.cpp
  src/render/StartupSteps.cpp src/model/MaterialImage.cpp)

set(TAVERNRUSH_FUZZ_obj_import_HARNESS ObjImportFuzz.cpp)
set(TAVERNRUSH_FUZZ_obj_import_SOURCES
  src/model/ModelImport.cpp src/model/MaterialLibraryGuard.cpp src/model/NodeWalk.cpp src/model/MeshGeometry.cpp src/model/TangentFrame.cpp
  src/render/StartupSteps.cpp)

set(TAVERNRUSH_FUZZ_snapshot_HARNESS SnapshotFuzz.cpp)
set(TAVERNRUSH_FUZZ_snapshot_SOURCES
  src/physics/SnapshotFormat.cpp tools/physics_monitor/SnapshotSummary.cpp)

set(TAVERNRUSH_FUZZ_replay_script_HARNESS ReplayScriptFuzz.cpp)
set(TAVERNRUSH_FUZZ_replay_script_SOURCES
  src/app/ReplayScript.cpp src/app/NumberText.cpp src/app/ScriptedInput.cpp src/app/ScriptLine.cpp
  src/app/RunDirectives.cpp src/app/RunRecord.cpp src/game/GhostRun.cpp src/game/RulesChecksum.cpp
  src/app/Controls.cpp src/app/KeyNames.cpp src/game/Action.cpp src/game/Gamepad.cpp)

set(TAVERNRUSH_FUZZ_run_file_HARNESS RunFileFuzz.cpp)
set(TAVERNRUSH_FUZZ_run_file_SOURCES ${TAVERNRUSH_FUZZ_replay_script_SOURCES})
