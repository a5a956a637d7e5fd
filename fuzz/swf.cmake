add_showsaver_fuzzer(prepare_swf ${CMAKE_CURRENT_SOURCE_DIR}/PrepareSwfFuzz.cpp ss_swf)
