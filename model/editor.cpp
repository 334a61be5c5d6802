#include "model/editor.h"

namespace {
NullEditorHost nullHost;
}

void EDITOR::setHost(EditorHost* host)
{
    host_ = host ? host : &nullHost;
}
