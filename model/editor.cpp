#include "model/editor.h"

namespace {
NullEditorHost nullHost;
}

EDITOR::EDITOR() : host_(&nullHost) {}

EDITOR::~EDITOR() = default;

void EDITOR::setHost(EditorHost* host)
{
    host_ = host ? host : &nullHost;
}
