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
# Sources of the label program's Qt-free parts that live with the program (label/app) and so
# are in no core library; a harness of them compiles them in.
set(QUORVI_FUZZER_SOURCES_fuzz_command_lines ${PROJECT_SOURCE_DIR}/label/app/command_line.cpp)
set(QUORVI_FUZZER_SOURCES_fuzz_settings_values ${PROJECT_SOURCE_DIR}/label/app/quorvi_settings.cpp)
# Harnesses that decode or draw with Qt's own image code, as the printing surfaces do.
set(QUORVI_FUZZER_SOURCES_fuzz_bmp_decoding ${PROJECT_SOURCE_DIR}/platform/bitmap_decoding.cpp)
set(QUORVI_FUZZERS_WITH_QT_GUI fuzz_bmp_decoding)
