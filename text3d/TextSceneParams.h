#pragma once

// The description of a lit 3D text scene, shared by the designer and the 3D
// text engine and stored in documents.

struct CTextSceneParams {
    struct Light {
        float position[4];
        float ambient[4];
        float diffuse[4];
        float specular[4];
    };
    struct Material {
        float ambient[4];
        float diffuse[4];
        float specular[4];
        float emission[4];
    };

    Light light[3] = {
        {{200, 0, 0, 0}, {1, 0, 0, 1}, {1, 0, 0, 1}, {1, 0, 0.1f, 1}},
        {{-200, 0, 0, 0}, {0.3f, 1, 0.3f, 1}, {0.1f, 1, 0.1f, 1}, {0.3f, 1, 0.1f, 1}},
        {{0, 0, 500, 0}, {0, 0, 1, 1}, {0, 0, 1, 1}, {0, 0, 1, 1}},
    };
    Material material = {{0.1f, 0.1f, 1, 1}, {0.1f, 0.1f, 1, 0.1f}, {0.9f, 0.9f, 0.9f, 1}, {0.1f, 0.1f, 0.1f, 0.1f}};
    float shininess = 10.0f;
    float rotation[4] = {10, -30, 0, 0};
    float scale[4] = {1, 1, 1, 1};

    bool operator==(const CTextSceneParams& o) const;
};
