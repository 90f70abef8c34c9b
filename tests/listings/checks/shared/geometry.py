# Helpers shared by the geometry checks (not a check itself): random simple polygons with
# integer vertices and where a point lies.
import math


def star_polygon(rng, k, lim):
    """k distinct points sorted by angle around their centroid: a simple polygon,
    or None when the points are collinear or two share an angle."""
    pts = list({(rng.randint(-lim, lim), rng.randint(-lim, lim)) for _ in range(k)})
    if len(pts) < 3:
        return None
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    ang = sorted((math.atan2(p[1] - cy, p[0] - cx), p) for p in pts)
    for (a1, p1), (a2, p2) in zip(ang, ang[1:] + ang[:1]):
        # two points on one ray from the centre, or an edge through it: not simple
        if (p1[0] - cx) * (p2[1] - cy) - (p1[1] - cy) * (p2[0] - cx) == 0:
            return None
    poly = [p for _, p in ang]
    if rng.random() < 0.5:
        poly.reverse()
    return poly


def on_segment(a, b, p):
    cr = (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])
    return cr == 0 and min(a[0], b[0]) <= p[0] <= max(a[0], b[0]) \
        and min(a[1], b[1]) <= p[1] <= max(a[1], b[1])


def where(poly, p):
    """'BORDER', 'INSIDE' or 'OUTSIDE', by winding angles summed in floating point
    (exact enough for small coordinates, and unlike the listing's ray casting)."""
    n = len(poly)
    for i in range(n):
        if on_segment(poly[i], poly[(i + 1) % n], p):
            return "BORDER"
    total = 0.0
    for i in range(n):
        a, b = poly[i], poly[(i + 1) % n]
        a1 = math.atan2(a[1] - p[1], a[0] - p[0])
        a2 = math.atan2(b[1] - p[1], b[0] - p[0])
        d = a2 - a1
        while d > math.pi:
            d -= 2 * math.pi
        while d < -math.pi:
            d += 2 * math.pi
        total += d
    return "INSIDE" if abs(total) > math.pi else "OUTSIDE"
