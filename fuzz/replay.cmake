# Every harness also builds with the normal compiler as a test that replays its corpus
# (fuzz/corpus/NAME: the seeds and each input a fuzzing run once failed on).
include(${CMAKE_CURRENT_LIST_DIR}/harnesses.cmake)
foreach(name IN LISTS QUORVI_FUZZERS)
    if(name IN_LIST QUORVI_FUZZERS_WITH_QT_GUI AND NOT QUORVI_BUILD_GUI)
        continue()  # a build without Qt has no Qt image code to replay
    endif()
    add_executable(replay_${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp
                                  ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp
                                  ${QUORVI_FUZZER_SOURCES_${name}})
    target_link_libraries(replay_${name} PRIVATE ${QUORVI_FUZZER_LIBS_${name}})
    if(name IN_LIST QUORVI_FUZZERS_WITH_QT_GUI)
        target_link_libraries(replay_${name} PRIVATE Qt6::Gui)
    endif()
    target_include_directories(replay_${name} PRIVATE ${PROJECT_SOURCE_DIR})
    quorvi_warnings(replay_${name})
    add_test(NAME fuzz_replay_${name}
             COMMAND replay_${name} ${CMAKE_CURRENT_LIST_DIR}/corpus/${name})
endforeach()
