# One fuzz target as a test: every seed, then new inputs for a few seconds. The new inputs start
# from nothing on each run, so the run takes the same time however often it ran before, and
# they stay in the build, never in the seeds of the tree.
#   cmake -DTARGET=... -DSEEDS=... -DWORK=... -DSECONDS=... -P run_seeds.cmake
file(REMOVE_RECURSE ${WORK}/corpus)
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
execute_process(COMMAND ${TARGET} -max_total_time=${SECONDS} -timeout=10 -print_final_stats=1
                        -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus ${SEEDS}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${TARGET} failed (${status}); the input is in ${WORK}/artifacts")
endif()
