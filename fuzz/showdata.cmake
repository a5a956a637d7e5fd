add_showsaver_fuzzer(load_show ${CMAKE_CURRENT_LIST_DIR}/LoadShowFuzz.cpp ss_showdata)
