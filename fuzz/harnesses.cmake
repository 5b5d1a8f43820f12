# The harnesses, one per reader of files and outside text.
set(QUORVI_FUZZERS
    fuzz_barcode
    fuzz_barcode_drawing
    fuzz_bmp
    fuzz_bmp_decoding
    fuzz_bmp_drawing
    fuzz_clipboard_paste
    fuzz_command_lines
    fuzz_csz_fields
    fuzz_data_file
    fuzz_definition
    fuzz_layout_file
    fuzz_print_path
    fuzz_profile
    fuzz_record_line
    fuzz_settings_values
    fuzz_text_encoding
    fuzz_text_macros
)
# The libraries each harness reaches into.
set(QUORVI_FUZZER_LIBS_fuzz_barcode quorvi_barcode)
set(QUORVI_FUZZER_LIBS_fuzz_barcode_drawing quorvi_barcode quorvi_recording_surface)
set(QUORVI_FUZZER_LIBS_fuzz_bmp quorvi_definition)
set(QUORVI_FUZZER_LIBS_fuzz_bmp_decoding quorvi_definition)
set(QUORVI_FUZZER_LIBS_fuzz_bmp_drawing quorvi_editor_forms quorvi_recording_surface)
set(QUORVI_FUZZER_LIBS_fuzz_clipboard_paste rowsmith_core)
set(QUORVI_FUZZER_LIBS_fuzz_command_lines quorvi_print rowsmith_core)
set(QUORVI_FUZZER_LIBS_fuzz_csz_fields quorvi_editor_forms quorvi_recording_surface)
set(QUORVI_FUZZER_LIBS_fuzz_data_file quorvi_data rowsmith_core)
set(QUORVI_FUZZER_LIBS_fuzz_definition quorvi_definition)
set(QUORVI_FUZZER_LIBS_fuzz_layout_file quorvi_common)
set(QUORVI_FUZZER_LIBS_fuzz_print_path quorvi_editor_forms quorvi_recording_surface)
set(QUORVI_FUZZER_LIBS_fuzz_profile rowsmith_core)
set(QUORVI_FUZZER_LIBS_fuzz_record_line quorvi_data)
set(QUORVI_FUZZER_LIBS_fuzz_settings_values quorvi_print rowsmith_core quorvi_recording_surface)
set(QUORVI_FUZZER_LIBS_fuzz_text_encoding quorvi_data)
set(QUORVI_FUZZER_LIBS_fuzz_text_macros quorvi_definition)
# Sources of the label program's Qt-free parts that live with the program (label/app) and so
# are in no core library; a harness of them compiles them in.
set(QUORVI_FUZZER_SOURCES_fuzz_command_lines ${PROJECT_SOURCE_DIR}/label/app/command_line.cpp)
set(QUORVI_FUZZER_SOURCES_fuzz_settings_values ${PROJECT_SOURCE_DIR}/label/app/quorvi_settings.cpp)
# Harnesses that decode or draw with Qt's own image code, as the printing surfaces do.
set(QUORVI_FUZZER_SOURCES_fuzz_bmp_decoding ${PROJECT_SOURCE_DIR}/platform/bitmap_decoding.cpp)
set(QUORVI_FUZZERS_WITH_QT_GUI fuzz_bmp_decoding)
