// The main object's primitives that build images from images: "image" (the frames of all its
// inputs), "emptyimage", "toanimfilm" (each input one frame of all its pictures) and "toframes"
// (every picture a frame of its own). Every input must be an image (error 10); the inputs' info is
// merged as "fput" merges it, the first input receiving the others.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerImageBuilders(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
