// What the capture benchmarks measure against: an IO object whose write only appends its
// arguments to a buffer of the same kind as the console's, so only the line list differs.
#pragma once

#include <benchmark/benchmark.h>
#include <ruby.h>

#include "bench/Statistics.h"
#include "platform/PodBuffer.h"

namespace zorbench {

inline zor::PodBuffer<char>& SinkText() {
    static zor::PodBuffer<char> text;
    return text;
}

inline VALUE SinkWrite(int argc, VALUE* argv, VALUE) {
    long total = 0;
    for (int i = 0; i < argc; ++i) {
        VALUE text = argv[i];
        if (!RB_TYPE_P(text, T_STRING)) text = rb_obj_as_string(text);
        SinkText().Append(RSTRING_PTR(text), static_cast<size_t>(RSTRING_LEN(text)));
        total += RSTRING_LEN(text);
    }
    return LONG2NUM(total);
}

// The sink object; the interpreter must be running.
inline VALUE SinkObject() {
    static VALUE sink = 0;
    if (sink == 0) {
        rb_global_variable(&sink);
        const VALUE klass = rb_class_new(rb_cIO);
        rb_define_method(klass, "write", SinkWrite, -1);
        sink = rb_data_object_wrap(klass, nullptr, nullptr, nullptr);
    }
    return sink;
}

// Each run starts from a collected heap, so that one run's garbage is not the next one's cost.
inline void StartClean(benchmark::State& state) {
    state.PauseTiming();
    rb_gc();
    state.ResumeTiming();
}

}  // namespace zorbench
