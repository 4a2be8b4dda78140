// Near-plane clipping, edge-function rasterisation, perspective-correct
// attributes and a depth test.
#include "preview/Rasterizer.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tavernrush::assetgen {

Rasterizer::Rasterizer(int width, int height, const glm::vec4& background)
    : image_(width, height, background)
    , depth_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), std::numeric_limits<float>::max())
{
}

void Rasterizer::setCamera(const glm::vec3& eye, const glm::vec3& target, float verticalFovDegrees)
{
    eye_ = eye;
    const glm::vec3 forward = glm::normalize(target - eye);
    const glm::vec3 up = std::abs(forward.y) > 0.99f ? glm::vec3(0.0f, 0.0f, -1.0f) : glm::vec3(0.0f, 1.0f, 0.0f);
    const float aspect = static_cast<float>(image_.width()) / static_cast<float>(image_.height());
    const float distance = glm::length(target - eye);
    viewProjection_ = glm::perspective(glm::radians(verticalFovDegrees), aspect, distance * 0.01f, distance * 10.0f)
                      * glm::lookAt(eye, target, up);
}

void Rasterizer::setViewProjection(const glm::mat4& view, const glm::mat4& projection)
{
    viewProjection_ = projection * view;
    eye_ = glm::vec3(glm::inverse(view)[3]);
}

void Rasterizer::paintBackground(const std::function<glm::vec4(glm::vec3)>& colourForDirection)
{
    const glm::mat4 inverse = glm::inverse(viewProjection_);
    for (int y = 0; y < image_.height(); ++y) {
        for (int x = 0; x < image_.width(); ++x) {
            const float nx = (static_cast<float>(x) + 0.5f) / static_cast<float>(image_.width()) * 2.0f - 1.0f;
            const float ny = 1.0f - (static_cast<float>(y) + 0.5f) / static_cast<float>(image_.height()) * 2.0f;
            const glm::vec4 far = inverse * glm::vec4(nx, ny, 1.0f, 1.0f);
            image_.at(x, y) = colourForDirection(glm::vec3(far) / far.w - eye_);
        }
    }
}

void Rasterizer::setLight(const glm::vec3& towardLight, float ambient)
{
    towardLight_ = glm::normalize(towardLight);
    ambient_ = ambient;
}

void Rasterizer::drawTriangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c,
                              const Sampler& sampler, bool lit)
{
    std::vector<ClipVertex> polygon{{viewProjection_ * glm::vec4(a.position, 1.0f), a},
                                    {viewProjection_ * glm::vec4(b.position, 1.0f), b},
                                    {viewProjection_ * glm::vec4(c.position, 1.0f), c}};
    // Clip against the near plane (z > -w) so triangles behind the eye vanish.
    std::vector<ClipVertex> clipped;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ClipVertex& p = polygon[i];
        const ClipVertex& q = polygon[(i + 1) % polygon.size()];
        const float dp = p.clip.z + p.clip.w;
        const float dq = q.clip.z + q.clip.w;
        if (dp >= 0.0f) {
            clipped.push_back(p);
        }
        if ((dp >= 0.0f) != (dq >= 0.0f)) {
            const float t = dp / (dp - dq);
            ClipVertex m;
            m.clip = glm::mix(p.clip, q.clip, t);
            m.vertex.position = glm::mix(p.vertex.position, q.vertex.position, t);
            m.vertex.normal = glm::mix(p.vertex.normal, q.vertex.normal, t);
            m.vertex.st = glm::mix(p.vertex.st, q.vertex.st, t);
            clipped.push_back(m);
        }
    }
    for (std::size_t i = 1; i + 1 < clipped.size(); ++i) {
        rasterise(clipped[0], clipped[i], clipped[i + 1], sampler, lit);
    }
}

void Rasterizer::rasterise(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c, const Sampler& sampler,
                           bool lit)
{
    const float w = static_cast<float>(image_.width());
    const float h = static_cast<float>(image_.height());
    auto screen = [&](const ClipVertex& v) {
        const glm::vec3 ndc = glm::vec3(v.clip) / v.clip.w;
        return glm::vec3((ndc.x * 0.5f + 0.5f) * w, (0.5f - ndc.y * 0.5f) * h, ndc.z);
    };
    const glm::vec3 p0 = screen(a);
    const glm::vec3 p1 = screen(b);
    const glm::vec3 p2 = screen(c);
    const float area = (p1.x - p0.x) * (p2.y - p0.y) - (p1.y - p0.y) * (p2.x - p0.x);
    if (std::abs(area) < 1e-9f) {
        return;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({p0.x, p1.x, p2.x}))));
    const int x1 = std::min(image_.width() - 1, static_cast<int>(std::ceil(std::max({p0.x, p1.x, p2.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({p0.y, p1.y, p2.y}))));
    const int y1 = std::min(image_.height() - 1, static_cast<int>(std::ceil(std::max({p0.y, p1.y, p2.y}))));
    const float iw0 = 1.0f / a.clip.w;
    const float iw1 = 1.0f / b.clip.w;
    const float iw2 = 1.0f / c.clip.w;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            float e0 = ((p2.x - p1.x) * (py - p1.y) - (p2.y - p1.y) * (px - p1.x)) / area;
            float e1 = ((p0.x - p2.x) * (py - p2.y) - (p0.y - p2.y) * (px - p2.x)) / area;
            float e2 = 1.0f - e0 - e1;
            if (e0 < 0.0f || e1 < 0.0f || e2 < 0.0f) {
                continue;
            }
            const float z = e0 * p0.z + e1 * p1.z + e2 * p2.z;
            float& stored = depth_[static_cast<std::size_t>(y) * image_.width() + x];
            if (z >= stored) {
                continue;
            }
            // Perspective-correct weights.
            const float q0 = e0 * iw0;
            const float q1 = e1 * iw1;
            const float q2 = e2 * iw2;
            const float sum = q0 + q1 + q2;
            const glm::vec2 st = (q0 * a.vertex.st + q1 * b.vertex.st + q2 * c.vertex.st) / sum;
            glm::vec4 colour = sampler(st);
            if (lit) {
                glm::vec3 n = glm::normalize(q0 * a.vertex.normal + q1 * b.vertex.normal + q2 * c.vertex.normal + 1e-9f);
                const glm::vec3 position = (q0 * a.vertex.position + q1 * b.vertex.position + q2 * c.vertex.position) / sum;
                if (glm::dot(n, eye_ - position) < 0.0f) {
                    n = -n;
                }
                const float light = ambient_ + (1.0f - ambient_) * std::max(0.0f, glm::dot(n, towardLight_));
                colour = glm::vec4(glm::vec3(colour) * light, 1.0f);
            }
            stored = z;
            image_.at(x, y) = glm::vec4(glm::vec3(colour), 1.0f);
        }
    }
}

} // namespace tavernrush::assetgen
