# The harnesses, one per reader of files and outside text.
set(QUORVI_FUZZERS
    fuzz_barcode
    fuzz_bmp
    fuzz_clipboard_paste
    fuzz_data_file
    fuzz_definition
    fuzz_layout_file
    fuzz_profile
    fuzz_record_line
)
